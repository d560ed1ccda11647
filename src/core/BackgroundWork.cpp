// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BackgroundWork.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QtConcurrentRun>

namespace BackgroundWork {

void run(const std::function<void()> &work)
{
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(work));
    // User input is held back: the caller's state must not change under it while it waits.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace BackgroundWork
