// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/WriteOutStarter.h"

#include <fcntl.h>
#include <thread>
#include <unistd.h>

bool WriteOutStarter::start(int fd, qint64 from, qint64 length)
{
    if (m_busy->exchange(true))
        return false;
    // A descriptor of its own, so that the file can be closed, renamed or removed meanwhile.
    const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) {
        m_busy->store(false);
        return false;
    }
    // Nobody waits for the request: the flush at the end of a copy decides what is on the disk.
    std::thread([busy = m_busy, copy, from, length] {
        ::sync_file_range(copy, from, length, SYNC_FILE_RANGE_WRITE);
        ::close(copy);
        busy->store(false);
    }).detach();
    return true;
}
