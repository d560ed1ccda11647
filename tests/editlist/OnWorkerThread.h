// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/QueuedJobList.h"
#include "platform/WindowThreadPrompter.h"

#include <QFutureWatcher>
#include <QSignalSpy>
#include <QTest>
#include <QtConcurrent/QtConcurrentRun>
#include <functional>

// A job run as the EditList window runs it: on a worker thread, its questions answered by the
// test's prompter and its states written to the test's list, both on the test's thread.
struct OnWorkerThread
{
    OnWorkerThread(JobList &testList, Prompter &testPrompter) : list(testList), prompter(testPrompter) {}

    // Returns once the work has ended and everything it handed over has been dealt with here.
    void run(const std::function<void()> &work)
    {
        QFutureWatcher<void> watcher;
        QSignalSpy ended(&watcher, &QFutureWatcher<void>::finished);
        watcher.setFuture(QtConcurrent::run(work));
        QVERIFY(ended.wait(60000));
    }

    QueuedJobList list;
    WindowThreadPrompter prompter;
};
