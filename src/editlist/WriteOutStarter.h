// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <atomic>
#include <memory>

// Asks the kernel to start writing a range of a file out to the disk, on a thread of its own: the
// asking only starts the writing, but it waits whenever the disk's queue is full, at times for a
// tenth of a second, which the window's thread must not. One request is under way at a time; one
// made meanwhile is declined, and the caller asks again later for the longer range.
class WriteOutStarter
{
public:
    // Returns false, asking nothing, while the previous request is still being made. The file
    // may be closed as soon as this returns.
    bool start(int fd, qint64 from, qint64 length);

private:
    std::shared_ptr<std::atomic<bool>> m_busy = std::make_shared<std::atomic<bool>>(false);
};
