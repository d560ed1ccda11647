// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/SearchProgressDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SearchProgressDialog::SearchProgressDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Searching...."));
    setWindowModality(Qt::ApplicationModal);

    m_activity = new QLabel(this);
    m_activity->setObjectName(QStringLiteral("searchActivity"));
    // A fixed width keeps the window from changing size with every path shown.
    m_activity->setFixedWidth(PathWidth + m_activity->fontMetrics().horizontalAdvance(tr("Adding file:")) +
                              8);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("searchCount"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &SearchProgressDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_activity);
    layout->addWidget(m_count);
    layout->addLayout(buttons);
}

void SearchProgressDialog::setLines(const QString &first, const QString &second)
{
    m_activity->setText(first);
    m_count->setText(second);
}

void SearchProgressDialog::showFound(const QString &path, int count)
{
    const QString shortened =
        m_activity->fontMetrics().elidedText(path, Qt::ElideMiddle, PathWidth).trimmed();
    setLines(tr("Adding file:%1").arg(shortened), tr("Files found so far : %1").arg(count));
}

void SearchProgressDialog::finish()
{
    m_finished = true;
    accept();
}

void SearchProgressDialog::reject()
{
    if (!m_finished) {
        m_finished = true;
        Q_EMIT cancelRequested();
    }
    QDialog::reject();
}
