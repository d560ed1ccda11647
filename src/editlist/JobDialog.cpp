// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/JobDialog.h"

#include <QCloseEvent>

JobDialog::JobDialog(std::function<void()> cancelJob, QWidget *parent)
    : QDialog(parent), m_cancelJob(std::move(cancelJob))
{
    setWindowModality(Qt::ApplicationModal);
}

void JobDialog::setJobRunning(bool running)
{
    m_running = running;
    if (!running)
        hide();
}

void JobDialog::reject()
{
    if (m_running)
        m_cancelJob();
    else
        QDialog::reject();
}

void JobDialog::closeEvent(QCloseEvent *event)
{
    if (m_running) {
        m_cancelJob();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
