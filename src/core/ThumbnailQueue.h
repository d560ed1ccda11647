// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <chrono>
#include <functional>
#include <memory>

// Thumbnails made on worker threads, one worker a core, in the order the paths are wanted. What is
// wanted is replaced whole as the list scrolls: paths no longer wanted are dropped before their
// work begins. A piece of work that overruns its time limit is given up: its path is reported
// as failed and its worker's place goes to the next path.
//
// Work runs on a thread pool that may be shared with later queues: a queue that goes does not wait
// for work begun, whose results are then dropped, but a pool waits for its work when it goes.
class ThumbnailQueue : public QObject
{
    Q_OBJECT

public:
    // Runs on a worker thread and gives a null image when no thumbnail can be made; meant to end by
    // the deadline.
    using Work = std::function<QImage(const QString &path, QDeadlineTimer deadline)>;

    static constexpr std::chrono::milliseconds DefaultLimit{8000};

    // Without a pool, the queue has one of its own.
    explicit ThumbnailQueue(Work work, int workers = QThread::idealThreadCount(),
                            std::chrono::milliseconds limit = DefaultLimit,
                            std::shared_ptr<QThreadPool> pool = {}, QObject *parent = nullptr);
    // Work not begun is dropped; the work begun is waited for only when the pool goes with the
    // queue, and its deadline bounds it.
    ~ThumbnailQueue() override;

    // The paths wanted now, the first first; paths wanted before and not begun are dropped.
    void want(const QStringList &paths);
    int waiting() const { return int(m_waiting.size()); }
    int working() const { return m_working; }

Q_SIGNALS:
    // A null image when no thumbnail could be made or the work overran its limit.
    void ready(const QString &path, const QImage &image);

private:
    struct Mailbox;
    void startWork();
    void finished(quint64 job, const QString &path, const QImage &image);
    void overran(quint64 job);

    Work m_work;
    int m_workers;
    std::chrono::milliseconds m_limit;
    QStringList m_waiting;
    // The jobs begun and still awaited, by number.
    QHash<quint64, QString> m_running;
    int m_working = 0;
    quint64 m_nextJob = 0;
    std::shared_ptr<Mailbox> m_mailbox;
    std::shared_ptr<QThreadPool> m_pool;
};
