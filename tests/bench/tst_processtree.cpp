// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessTree.h"
#include "support/TemporaryFolder.h"

#include <QFile>
#include <QTest>
#include <csignal>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Starts `sh -c SCRIPT` with its first argument (the script's $1).
pid_t startShell(const char *script, const QByteArray &argument = "-")
{
    pid_t pid = 0;
    QByteArray text(script);
    QByteArray command("sh");
    QByteArray dashC("-c");
    QByteArray name("shell");
    QByteArray first(argument);
    char *arguments[] = {command.data(), dashC.data(), text.data(), name.data(), first.data(), nullptr};
    posix_spawnp(&pid, "sh", nullptr, nullptr, arguments, environ);
    return pid;
}

// Updates the tree until no process of it runs, for five seconds at most.
void waitForEnd(ProcessTree &tree)
{
    for (int i = 0; i < 500 && tree.size() > 0; ++i) {
        QTest::qWait(10);
        tree.update();
    }
}

void end(ProcessTree &tree)
{
    tree.update();
    for (const pid_t pid : tree.pids())
        kill(pid, SIGKILL);
    waitForEnd(tree);
}

} // namespace

class TestProcessTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(prctl(PR_SET_CHILD_SUBREAPER, 1), 0); }

    // A service started in the background by a process that then ends is part of what the program
    // started.
    void processesLeftByTheirParentAreFollowed()
    {
        ProcessTree tree;
        startShell("sleep 5 & exit 0");
        bool found = false;
        for (int i = 0; i < 200 && !found; ++i) {
            QTest::qWait(10);
            tree.update();
            found = tree.size() == 1;
        }
        QVERIFY(found);
        end(tree);
    }

    void processorUseOfAGrandchildCounts()
    {
        ProcessTree tree;
        startShell("sh -c 'while :; do :; done'; exit 0");
        QTest::qWait(100);
        tree.update();
        // The loop runs a clock tick of 10 ms within 50 ms at the latest, even on a busy machine.
        bool busy = false;
        for (int i = 0; i < 10 && !busy; ++i) {
            QTest::qWait(50);
            busy = tree.update();
        }
        QVERIFY(busy);
        end(tree);
    }

    void waitingProcessesAreQuiet()
    {
        ProcessTree tree;
        startShell("exec sleep 5");
        QTest::qWait(100);
        QVERIFY(tree.update());
        QCOMPARE(tree.size(), std::size_t(1));
        QTest::qWait(200);
        QVERIFY(!tree.update());
        end(tree);
    }

    void endedProcessesKeepTheirPeak()
    {
        ProcessTree tree;
        int pipeEnds[2];
        QCOMPARE(pipe(pipeEnds), 0);
        const pid_t child = fork();
        if (child == 0) {
            // 40 MB written, so resident, then kept until the pipe is closed.
            close(pipeEnds[1]);
            const std::size_t bytes = std::size_t(40) << 20;
            void *memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (memory != MAP_FAILED)
                memset(memory, 1, bytes);
            char byte = 0;
            while (read(pipeEnds[0], &byte, 1) > 0) {
            }
            _exit(0);
        }
        close(pipeEnds[0]);
        for (int i = 0; i < 500 && tree.peakMegabytes() < 40; ++i) {
            QTest::qWait(10);
            tree.update();
        }
        QVERIFY2(tree.peakMegabytes() >= 40, QByteArray::number(tree.peakMegabytes()));
        close(pipeEnds[1]);
        waitForEnd(tree);
        QCOMPARE(tree.size(), std::size_t(0));
        QVERIFY2(tree.peakMegabytes() >= 40, QByteArray::number(tree.peakMegabytes()));
    }

    // A process of the session bus's name neither counts its memory nor makes the tree busy.
    void theSessionBusIsLeftOut()
    {
        TemporaryFolder folder;
        const QString bus = folder.path() + QStringLiteral("/dbus-daemon");
        QVERIFY(QFile::copy(QStringLiteral("/bin/sh"), bus));
        QVERIFY(QFile::setPermissions(bus, QFile::ReadOwner | QFile::ExeOwner));
        ProcessTree tree;
        startShell("exec \"$1\" -c 'while :; do :; done'", bus.toLocal8Bit());
        QTest::qWait(100);
        tree.update();
        QTest::qWait(100);
        QVERIFY(!tree.update());
        QCOMPARE(tree.peakMegabytes(), 0.0);
        end(tree);
    }
};

QObject *createProcessTreeTest()
{
    return new TestProcessTree;
}

#include "tst_processtree.moc"
