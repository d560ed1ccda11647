// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/JobList.h"

#include <QList>
#include <QObject>
#include <QStringList>

// A job list for a job on a worker thread: the entries and the selection as they were when the job
// began, read without touching the window's list, and each state or path the job sets handed to the
// window's list in order. Made on the window's thread, which must keep the window's list unchanged
// and alive until the job has ended.
class QueuedJobList : public JobList
{
public:
    explicit QueuedJobList(JobList &windowList);

    int count() const override;
    bool isSelected(int index) const override;
    QString path(int index) const override;
    void setPath(int index, const QString &path) override;
    void setState(int index, ListEntry::JobState state) override;

private:
    JobList &m_windowList;
    QObject m_windowThread;
    QStringList m_paths;
    QList<bool> m_selected;
};
