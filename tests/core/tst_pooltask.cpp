// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PoolTask.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>

class TestPoolTask : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theResultIsTakenWhereverTheWorkRan_data()
    {
        QTest::addColumn<bool>("poolBusy");
        QTest::newRow("pool free") << false;
        QTest::newRow("pool busy: run by the taker") << true;
    }
    void theResultIsTakenWhereverTheWorkRan()
    {
        QFETCH(bool, poolBusy);
        QThreadPool *pool = QThreadPool::globalInstance();
        QSemaphore release;
        QSemaphore started;
        if (poolBusy) {
            for (int i = 0; i < pool->maxThreadCount(); ++i)
                pool->start([&] {
                    started.release();
                    release.acquire();
                });
            started.acquire(pool->maxThreadCount());
        }
        QSemaphore begun;
        PoolTask<QThread *> task([&begun] {
            begun.release();
            return QThread::currentThread();
        });
        if (!poolBusy)
            begun.acquire();
        QThread *const ranOn = task.take();
        release.release(pool->maxThreadCount());
        pool->waitForDone();
        QCOMPARE(ranOn == QThread::currentThread(), poolBusy);
    }

    void untakenWorkIsNotLeftRunning()
    {
        std::atomic<int> runs = 0;
        {
            PoolTask<int> task([&runs] {
                QThread::msleep(20);
                return ++runs;
            });
        }
        // Either taken back before it began or waited for: nothing runs after the task has gone.
        const int seen = runs;
        QThreadPool::globalInstance()->waitForDone();
        QCOMPARE(runs.load(), seen);
    }
};

QObject *createPoolTaskTest()
{
    return new TestPoolTask;
}

#include "tst_pooltask.moc"
