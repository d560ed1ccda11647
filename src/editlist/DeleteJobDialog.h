// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/JobDialog.h"

class DeleteJob;
class QGroupBox;
class QLabel;
class TextProgressBar;

// The window of a delete job: the file being deleted, the count, the progress and Cancel. Closing
// it cancels the job.
class DeleteJobDialog : public JobDialog
{
    Q_OBJECT

public:
    explicit DeleteJobDialog(DeleteJob &job, QWidget *parent = nullptr);

private:
    DeleteJob &m_job;
    QGroupBox *m_frame = nullptr;
    QLabel *m_file = nullptr;
    TextProgressBar *m_bar = nullptr;
};
