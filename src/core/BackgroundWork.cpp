// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BackgroundWork.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QThreadPool>

namespace BackgroundWork {

void run(const std::function<void()> &work)
{
    QEventLoop loop;
    QThreadPool::globalInstance()->start([&work, &loop] {
        work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // User input is held back: the caller's state must not change under it while it waits.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace BackgroundWork
