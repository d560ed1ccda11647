// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/DeleteJobDialog.h"

#include "editlist/DeleteJob.h"
#include "widgets/TextProgressBar.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DeleteJobDialog::DeleteJobDialog(DeleteJob &job, QWidget *parent)
    : JobDialog([&job] { job.cancel(); }, parent), m_job(job)
{
    setObjectName(QStringLiteral("deleteJobDialog"));
    setWindowTitle(tr("Delete"));
    auto *outer = new QVBoxLayout(this);
    m_frame = new QGroupBox(this);
    auto *lines = new QVBoxLayout(m_frame);
    m_file = new QLabel(tr("File : "), m_frame);
    m_file->setTextFormat(Qt::PlainText);
    m_file->setMinimumWidth(1);
    lines->addWidget(m_file);
    auto *caption = new QLabel(tr("Current file progress:"), m_frame);
    lines->addWidget(caption);
    m_bar = new TextProgressBar(m_frame);
    m_bar->setObjectName(QStringLiteral("progress"));
    // Named by its caption while it shows no figure yet.
    caption->setBuddy(m_bar);
    lines->addWidget(m_bar);
    outer->addWidget(m_frame);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    outer->addWidget(cancel, 0, Qt::AlignRight);
    resize(420, sizeHint().height());

    connect(cancel, &QPushButton::clicked, &m_job, &DeleteJob::cancel);
    connect(&m_job, &DeleteJob::started, this, &QWidget::show);
    connect(&m_job, &DeleteJob::counterChanged, m_frame, &QGroupBox::setTitle);
    connect(&m_job, &DeleteJob::fileChanged, m_file, &QLabel::setText);
    connect(&m_job, &DeleteJob::progressChanged, this,
            [this](int percent) { m_bar->setProgress(percent, QString()); });
}
