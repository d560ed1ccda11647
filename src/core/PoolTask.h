// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QThreadPool>
#include <future>
#include <memory>
#include <type_traits>

// Runs work on the application's thread pool; the future gives its result, or what it threw.
template <typename Work> std::future<std::invoke_result_t<Work>> startInPool(Work work)
{
    using Task = std::packaged_task<std::invoke_result_t<Work>()>;
    auto task = std::make_shared<Task>(std::move(work));
    std::future<std::invoke_result_t<Work>> result = task->get_future();
    QThreadPool::globalInstance()->start([task] { (*task)(); });
    return result;
}
