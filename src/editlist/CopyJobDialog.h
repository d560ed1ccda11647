// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/CopyMoveJob.h"
#include "editlist/JobDialog.h"

class FileCopyEngine;
class QGroupBox;
class QLabel;
class TextProgressBar;

// The window of a copy or move job: where the file comes from and goes to, the current file's and
// the whole job's progress, time and rate figures, and Cancel.
class CopyJobDialog : public JobDialog
{
    Q_OBJECT

public:
    CopyJobDialog(CopyMoveJob &job, FileCopyEngine &engine, CopyMoveJob::Kind kind,
                  QWidget *parent = nullptr);

private:
    CopyMoveJob &m_job;
    QLabel *m_from = nullptr;
    QLabel *m_to = nullptr;
    TextProgressBar *m_fileBar = nullptr;
    TextProgressBar *m_allBar = nullptr;
    QLabel *m_timeLeft = nullptr;
    QLabel *m_elapsed = nullptr;
    QLabel *m_rate = nullptr;
    QLabel *m_bufferSize = nullptr;
    QGroupBox *m_frame = nullptr;
};
