// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/CopyJobDialog.h"

#include "core/VersionTitle.h"
#include "editlist/FileCopyEngine.h"
#include "widgets/TextProgressBar.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *addLine(QVBoxLayout *layout, const QString &text)
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    // Long paths are cut at the window's edge instead of widening it.
    label->setMinimumWidth(1);
    layout->addWidget(label);
    return label;
}

} // namespace

CopyJobDialog::CopyJobDialog(CopyMoveJob &job, FileCopyEngine &engine, CopyMoveJob::Kind kind,
                             QWidget *parent)
    : JobDialog([&job] { job.cancel(); }, parent), m_job(job)
{
    setObjectName(kind == CopyMoveJob::Kind::Copy ? QStringLiteral("copyJobDialog")
                                                  : QStringLiteral("moveJobDialog"));
    setWindowTitle(CopyMoveJob::caption(kind, versionTitle()));
    auto *outer = new QVBoxLayout(this);
    m_frame = new QGroupBox(this);
    auto *lines = new QVBoxLayout(m_frame);
    m_from = addLine(lines, tr("From : "));
    m_to = addLine(lines, tr("To : "));
    // Each bar is named by its caption, as a screen reader reads it before the bar shows a figure.
    QLabel *fileCaption = addLine(lines, tr("Current file progress:"));
    m_fileBar = new TextProgressBar(m_frame);
    m_fileBar->setObjectName(QStringLiteral("fileProgress"));
    fileCaption->setBuddy(m_fileBar);
    lines->addWidget(m_fileBar);
    QLabel *allCaption = addLine(lines, tr("All file(s) progress:"));
    m_allBar = new TextProgressBar(m_frame);
    m_allBar->setObjectName(QStringLiteral("allProgress"));
    allCaption->setBuddy(m_allBar);
    lines->addWidget(m_allBar);
    m_timeLeft = addLine(lines, tr("Estimated time left :"));
    m_elapsed = addLine(lines, tr("Elapsed time : "));
    m_rate = addLine(lines, tr("Average KB/S : "));
    m_bufferSize = addLine(lines, tr("Buffersize : "));
    outer->addWidget(m_frame);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    outer->addWidget(cancel, 0, Qt::AlignRight);
    resize(460, sizeHint().height());

    connect(cancel, &QPushButton::clicked, &m_job, &CopyMoveJob::cancel);
    connect(&engine, &FileCopyEngine::progressChanged, m_fileBar, &TextProgressBar::setProgress);
    connect(&engine, &FileCopyEngine::figuresChanged, this,
            [this](const QString &timeLeft, const QString &elapsed, const QString &rate) {
                m_timeLeft->setText(tr("Estimated time left :%1").arg(timeLeft));
                m_elapsed->setText(tr("Elapsed time : %1").arg(elapsed));
                m_rate->setText(tr("Average KB/S : %1").arg(rate));
            });
    connect(&m_job, &CopyMoveJob::bufferSizeShown, m_bufferSize, &QLabel::setText);
    connect(&m_job, &CopyMoveJob::started, this, &QWidget::show);
    connect(&m_job, &CopyMoveJob::counterChanged, m_frame, &QGroupBox::setTitle);
    connect(&m_job, &CopyMoveJob::fileChanged, this, [this](const QString &from, const QString &to) {
        m_from->setText(from);
        m_to->setText(to);
    });
    connect(&m_job, &CopyMoveJob::overallProgressChanged, this,
            [this](int percent) { m_allBar->setProgress(percent, QString()); });
    connect(&m_job, &CopyMoveJob::barsCleared, this, [this] {
        m_fileBar->setProgress(0, QString());
        m_allBar->setProgress(0, QString());
    });
}
