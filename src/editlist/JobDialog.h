// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

// A job's window: modal over the others while the job runs inside runJob. Esc and the close box
// cancel the job instead of closing the window, which closes once the job has ended.
class JobDialog : public QDialog
{
    Q_OBJECT

public:
    explicit JobDialog(std::function<void()> cancelJob, QWidget *parent = nullptr);

    void reject() override;

protected:
    // Runs the job; the window is hidden again when it returns.
    void runJob(const std::function<void()> &job);
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<void()> m_cancelJob;
    bool m_running = false;
};
