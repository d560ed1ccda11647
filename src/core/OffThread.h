// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QtConcurrentRun>
#include <type_traits>
#include <utility>

// Long work on the thread pool whose result is taken up on the window's thread. The work holds
// copies of what it needs and never touches a widget or a model; done gets its result on the
// thread of context. The watcher between them belongs to context: once context is destroyed,
// done is never called, however late the work ends. (QFuture::then with a context object asserts
// in Qt 6.4 when the context goes first.)
namespace OffThread {

template <typename Work, typename Done> void run(QObject *context, Work &&work, Done &&done)
{
    using Result = std::invoke_result_t<std::decay_t<Work> &>;
    auto *watcher = new QFutureWatcher<Result>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, done = std::forward<Done>(done)]() mutable {
                         watcher->deleteLater();
                         if constexpr (std::is_void_v<Result>)
                             done();
                         else
                             done(watcher->future().takeResult());
                     });
    watcher->setFuture(QtConcurrent::run(std::forward<Work>(work)));
}

} // namespace OffThread
