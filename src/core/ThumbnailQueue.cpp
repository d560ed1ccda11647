// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ThumbnailQueue.h"

#include <QTimer>
#include <algorithm>
#include <mutex>

// Where workers hand in their results: the queue may be gone by the time a late one ends.
struct ThumbnailQueue::Mailbox
{
    std::mutex lock;
    ThumbnailQueue *queue = nullptr;
};

ThumbnailQueue::ThumbnailQueue(Work work, int workers, std::chrono::milliseconds limit,
                               std::shared_ptr<QThreadPool> pool, QObject *parent)
    : QObject(parent), m_work(std::move(work)), m_workers(qMax(1, workers)), m_limit(limit),
      m_mailbox(std::make_shared<Mailbox>()), m_pool(pool ? std::move(pool) : std::make_shared<QThreadPool>())
{
    m_mailbox->queue = this;
    // Work given up on still holds its thread until it ends; the next work is not kept waiting.
    m_pool->setMaxThreadCount(qMax(m_pool->maxThreadCount(), 2 * m_workers));
}

ThumbnailQueue::~ThumbnailQueue()
{
    {
        std::lock_guard guard(m_mailbox->lock);
        m_mailbox->queue = nullptr;
    }
    m_pool->clear();
}

void ThumbnailQueue::want(const QStringList &paths)
{
    m_waiting.clear();
    for (const QString &path : paths) {
        if (!m_waiting.contains(path) &&
            std::find(m_running.cbegin(), m_running.cend(), path) == m_running.cend())
            m_waiting.append(path);
    }
    startWork();
}

void ThumbnailQueue::startWork()
{
    while (m_working < m_workers && !m_waiting.isEmpty()) {
        const QString path = m_waiting.takeFirst();
        const quint64 job = ++m_nextJob;
        m_running.insert(job, path);
        ++m_working;
        const QDeadlineTimer deadline(m_limit);
        m_pool->start([work = m_work, mailbox = m_mailbox, job, path, deadline] {
            const QImage image = work(path, deadline);
            std::lock_guard guard(mailbox->lock);
            if (ThumbnailQueue *queue = mailbox->queue)
                QMetaObject::invokeMethod(
                    queue, [queue, job, path, image] { queue->finished(job, path, image); },
                    Qt::QueuedConnection);
        });
        QTimer::singleShot(m_limit, this, [this, job] { overran(job); });
    }
}

void ThumbnailQueue::finished(quint64 job, const QString &path, const QImage &image)
{
    if (!m_running.remove(job))
        return;
    --m_working;
    Q_EMIT ready(path, image);
    startWork();
}

void ThumbnailQueue::overran(quint64 job)
{
    const QString path = m_running.take(job);
    if (path.isNull())
        return;
    --m_working;
    Q_EMIT ready(path, QImage());
    startWork();
}
