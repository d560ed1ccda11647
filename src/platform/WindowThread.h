// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <type_traits>
#include <utility>

// Hands work from a worker thread to the thread a QObject lives on (the window's thread): the
// worker never touches a widget, a model or a dialog itself.
namespace WindowThread {

// Runs work on the context's thread and returns its result once it has run there; called on that
// thread, it runs at once. When the context goes away before the work could run, the result is
// `dismissed`.
template <typename Work, typename Result = std::invoke_result_t<Work>>
Result call(QObject *context, Work &&work, Result dismissed)
{
    if (QThread::currentThread() == context->thread())
        return work();
    Result result = std::move(dismissed);
    QMetaObject::invokeMethod(
        context, [&result, &work] { result = work(); }, Qt::BlockingQueuedConnection);
    return result;
}

// The same for work that answers nothing.
template <typename Work> void call(QObject *context, Work &&work)
{
    if (QThread::currentThread() == context->thread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(context, std::forward<Work>(work), Qt::BlockingQueuedConnection);
}

// Runs work on the context's thread after what was handed there before, without waiting for it.
template <typename Work> void post(QObject *context, Work &&work)
{
    QMetaObject::invokeMethod(context, std::forward<Work>(work), Qt::QueuedConnection);
}

} // namespace WindowThread
