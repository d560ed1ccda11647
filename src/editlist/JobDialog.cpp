// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/JobDialog.h"

#include <QApplication>
#include <QCloseEvent>

JobDialog::JobDialog(std::function<void()> cancelJob, QWidget *parent)
    : QDialog(parent), m_cancelJob(std::move(cancelJob))
{
    setWindowModality(Qt::ApplicationModal);
}

void JobDialog::setJobRunning(bool running)
{
    m_running = running;
    if (running)
        return;
    // The keys were here, or with a question of the job's that is gone by now.
    const QWidget *active = QApplication::activeWindow();
    const bool keysHere = !active || active == this || !active->isVisible();
    hide();
    // The window manager may leave no window active when the job's window goes: the keys go back
    // to the window the job was started from.
    if (keysHere && parentWidget())
        parentWidget()->window()->activateWindow();
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
