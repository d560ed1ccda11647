// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRunnable>
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

// Work handed to the application's thread pool while the caller does something else, for a result
// the caller needs soon: taking it runs the work on the calling thread when the pool has not begun
// it yet, so that the caller never waits behind other work in the pool. Going untaken, it takes
// the work back from the pool, or waits for it to end.
template <typename Result> class PoolTask
{
public:
    template <typename Work>
    explicit PoolTask(Work work)
        : m_task(std::move(work)), m_result(m_task.get_future()),
          m_runnable(QRunnable::create([this] { m_task(); }))
    {
        m_runnable->setAutoDelete(false);
        QThreadPool::globalInstance()->start(m_runnable.get());
    }
    ~PoolTask()
    {
        if (m_result.valid() && !QThreadPool::globalInstance()->tryTake(m_runnable.get()))
            m_result.wait();
    }
    PoolTask(const PoolTask &) = delete;
    PoolTask &operator=(const PoolTask &) = delete;

    // The work's result, or what it threw; once only.
    Result take()
    {
        if (QThreadPool::globalInstance()->tryTake(m_runnable.get()))
            m_task();
        return m_result.get();
    }

private:
    std::packaged_task<Result()> m_task;
    std::future<Result> m_result;
    std::unique_ptr<QRunnable> m_runnable;
};
