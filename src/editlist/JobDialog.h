// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

// A job's window, modal over the others. While the job runs, Esc and the close box cancel it
// instead of closing the window, which is hidden once the job has ended.
class JobDialog : public QDialog
{
    Q_OBJECT

public:
    explicit JobDialog(std::function<void()> cancelJob, QWidget *parent = nullptr);

    void reject() override;
    void setJobRunning(bool running);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<void()> m_cancelJob;
    bool m_running = false;
};
