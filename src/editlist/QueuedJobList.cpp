// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/QueuedJobList.h"

#include "platform/WindowThread.h"

QueuedJobList::QueuedJobList(JobList &windowList) : m_windowList(windowList)
{
    const int entries = windowList.count();
    m_paths.reserve(entries);
    m_selected.reserve(entries);
    for (int i = 0; i < entries; ++i) {
        m_paths.append(windowList.path(i));
        m_selected.append(windowList.isSelected(i));
    }
}

int QueuedJobList::count() const
{
    return int(m_paths.size());
}

bool QueuedJobList::isSelected(int index) const
{
    return m_selected.at(index);
}

QString QueuedJobList::path(int index) const
{
    return m_paths.at(index);
}

void QueuedJobList::setPath(int index, const QString &path)
{
    m_paths[index] = path;
    WindowThread::post(&m_windowThread, [this, index, path] { m_windowList.setPath(index, path); });
}

void QueuedJobList::setState(int index, ListEntry::JobState state)
{
    WindowThread::post(&m_windowThread, [this, index, state] { m_windowList.setState(index, state); });
}
