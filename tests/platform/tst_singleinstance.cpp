// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDescriptor.h"
#include "platform/FileIconProvider.h"
#include "platform/FreedesktopTrash.h"
#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"
#include "platform/PropertiesDialog.h"
#include "platform/QtPrompter.h"
#include "platform/SingleInstance.h"
#include "platform/TextLineFile.h"
#include "platform/TrashModule.h"
#include "platform/UnixSignalWatcher.h"
#include "platform/WindowSystem.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QtConcurrentRun>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <future>
#include <linux/fs.h>
#include <optional>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

// A socket bound and abandoned, as a crashed copy leaves it.
void bindAndAbandon(const QByteArray &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
}

// Whether a copy started now in the folder becomes the first. Root opens any file, so under root
// the copy runs as another user, who owns the folder and the socket there, as a user's copy meets
// a lock of root's.
bool startsAsFirst(const QString &folder)
{
    if (::geteuid() != 0) {
        SingleInstance copy(folder);
        return copy.tryBecomeFirst();
    }
    constexpr uid_t Nobody = 65534;
    const QByteArray socket = QFile::encodeName(QDir(folder).filePath(QStringLiteral("Kestrove.socket")));
    if (::chown(QFile::encodeName(folder).constData(), Nobody, Nobody) != 0 ||
        (::chown(socket.constData(), Nobody, Nobody) != 0 && errno != ENOENT))
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        QLoggingCategory::setFilterRules(QStringLiteral("kestrove.instance.warning=false"));
        if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
            ::_exit(2);
        SingleInstance copy(folder);
        ::_exit(copy.tryBecomeFirst() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void onlyOneCopyTakesTheLock()
    {
        TemporaryFolder dir;
        SingleInstance first(dir.path());
        SingleInstance second(dir.path());
        QVERIFY(first.tryBecomeFirst());
        QVERIFY(first.listen());
        QVERIFY(!second.tryBecomeFirst());
        QVERIFY(!second.isFirst());
    }

    void handsAPathToTheRunningCopy_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << QStringLiteral("/music/a.mp3") << true;
        QTest::newRow("quoted with blanks") << QStringLiteral("\"/my music/a b.mp3\"") << true;
        QTest::newRow("newline in name") << QStringLiteral("/x/a\nb.wav") << true;
        QTest::newRow("not a path") << QStringLiteral("rm -rf ~") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("huge") << QStringLiteral("/") +
                                     QString(SingleInstance::MaxRequestBytes, QLatin1Char('a'))
                              << false;
    }
    void handsAPathToTheRunningCopy()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        TemporaryFolder dir;
        SingleInstance first(dir.path());
        QVERIFY(first.tryBecomeFirst());
        QVERIFY(first.listen());
        QSignalSpy requests(&first, &SingleInstance::executeRequested);

        auto offer = std::async(std::launch::async,
                                [&] { return SingleInstance::offerToRunning(dir.path(), path, 2000); });
        while (offer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        QCOMPARE(offer.get(), accepted);
        if (accepted) {
            QTRY_COMPARE(requests.count(), 1);
            QCOMPARE(requests.first().first().toString(), path);
        } else {
            QTest::qWait(20);
            QCOMPARE(requests.count(), 0);
        }
    }

    void staleSocketAndLockDoNotStopANewFirstCopy()
    {
        TemporaryFolder dir;
        bindAndAbandon(QFile::encodeName(dir.filePath(QStringLiteral("Kestrove.socket"))));
        // A lock file naming a process that no longer exists.
        QFile lock(dir.filePath(QStringLiteral("Kestrove.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("999999\ntst_platform\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        QVERIFY(!SingleInstance::offerToRunning(dir.path(), QStringLiteral("/a"), 200));
        SingleInstance first(dir.path());
        QVERIFY(first.tryBecomeFirst());
        QVERIFY(first.listen());
    }

    void staleLocksOfEveryKindAreTakenOver_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xffnot a number\n");
        QTest::newRow("ended process") << QByteArray("999999\nkestrove\nhost\n");
        QTest::newRow("another program's process") << QByteArray("1\ninit\nhost\n");
        QTest::newRow("a folder in its place") << QByteArray("folder");
    }
    void staleLocksOfEveryKindAreTakenOver()
    {
        QFETCH(QByteArray, content);
        TemporaryFolder dir;
        const QString lock = dir.filePath(QStringLiteral("Kestrove.lock"));
        if (content == "folder") {
            QVERIFY(QDir().mkpath(lock + QStringLiteral("/inside")));
        } else {
            writeBytes(lock, content);
            // A lock without a readable number counts as stale only once it is a few seconds old.
            const timeval past[2] = {{std::time(nullptr) - 60, 0}, {std::time(nullptr) - 60, 0}};
            QCOMPARE(::utimes(QFile::encodeName(lock).constData(), past), 0);
        }
        if (content == "folder")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^moved .* aside")));
        SingleInstance first(dir.path());
        QVERIFY(first.tryBecomeFirst());
        SingleInstance second(dir.path());
        QVERIFY(!second.tryBecomeFirst());
        QVERIFY(second.lockProblem().isEmpty());
        // What stood in the lock's place is kept, with all it holds.
        if (content == "folder")
            QVERIFY(QFileInfo::exists(lock + QStringLiteral(".moved-aside-1/inside")));
    }

    void aLockThatCanBeNeitherTakenNorReplacedIsSaid()
    {
        TemporaryFolder dir;
        const QByteArray lock = QFile::encodeName(dir.filePath(QStringLiteral("Kestrove.lock")));
        writeBytes(QFile::decodeName(lock), QByteArray());
        // Root opens and removes any file but an immutable one; anyone else is kept out by modes.
        const FileDescriptor file(::open(lock.constData(), O_RDONLY | O_CLOEXEC));
        int flags = 0;
        const bool immutable = ::geteuid() == 0 && ::ioctl(file.get(), FS_IOC_GETFLAGS, &flags) == 0 &&
                               (flags |= FS_IMMUTABLE_FL, ::ioctl(file.get(), FS_IOC_SETFLAGS, &flags) == 0);
        if (::geteuid() == 0 && !immutable)
            QSKIP("this file system cannot make a file immutable");
        const auto restore = qScopeGuard([&] {
            flags &= ~FS_IMMUTABLE_FL;
            if (immutable)
                ::ioctl(file.get(), FS_IOC_SETFLAGS, &flags);
            ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
        });
        if (!immutable) {
            QCOMPARE(::chmod(lock.constData(), 0400), 0);
            QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^replacing the lock file")));
        SingleInstance copy(dir.path());
        QVERIFY(!copy.tryBecomeFirst());
        QVERIFY2(copy.lockProblem().startsWith(QFile::decodeName(lock) + QStringLiteral(": ")),
                 qPrintable(copy.lockProblem()));
    }

    // Many copies started together, each with a path, all hand it over: none is cut off while it
    // writes, whatever the number waiting.
    void aBurstOfHandOversIsDeliveredWhole()
    {
        TemporaryFolder dir;
        SingleInstance first(dir.path());
        QVERIFY(first.tryBecomeFirst());
        QVERIFY(first.listen());
        QSignalSpy requests(&first, &SingleInstance::executeRequested);
        constexpr int Copies = 3 * SingleInstance::MaxClients;
        std::vector<std::future<bool>> offers;
        for (int i = 0; i < Copies; ++i)
            offers.push_back(std::async(std::launch::async, [&dir, i] {
                return SingleInstance::offerToRunning(dir.path(), QStringLiteral("/music/%1.mp3").arg(i),
                                                      5000);
            }));
        int accepted = 0;
        for (std::future<bool> &offer : offers) {
            while (offer.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready)
                QCoreApplication::processEvents();
            accepted += offer.get() ? 1 : 0;
        }
        QCOMPARE(accepted, Copies);
        QTRY_COMPARE(requests.count(), Copies);
    }

    void aLockHeldElsewhereIsRespected()
    {
        // Held as another copy holds it, even before anything is written to the file.
        TemporaryFolder dir;
        writeBytes(dir.filePath(QStringLiteral("Kestrove.lock")), QByteArray());
        FileDescriptor held(
            ::open(QFile::encodeName(dir.filePath(QStringLiteral("Kestrove.lock"))).constData(),
                   O_RDWR | O_CLOEXEC));
        QVERIFY(held.valid());
        QCOMPARE(::flock(held.get(), LOCK_EX | LOCK_NB), 0);
        SingleInstance second(dir.path());
        QVERIFY(!second.tryBecomeFirst());
        held.reset();
        QVERIFY(second.tryBecomeFirst());
    }

    void aLockThatCannotBeOpenedIsReplacedUnlessACopyAnswers_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("socket");
        QTest::addColumn<bool>("taken");
        QTest::newRow("read-only") << 0400 << "none" << true;
        QTest::newRow("unreadable") << 0 << "none" << true;
        QTest::newRow("unreadable, a crashed copy's socket") << 0 << "stale" << true;
        QTest::newRow("unreadable, a copy answers") << 0 << "listening" << false;
    }
    void aLockThatCannotBeOpenedIsReplacedUnlessACopyAnswers()
    {
        QFETCH(int, mode);
        QFETCH(QString, socket);
        QFETCH(bool, taken);
        TemporaryFolder dir;
        const QByteArray lock = QFile::encodeName(dir.filePath(QStringLiteral("Kestrove.lock")));
        std::optional<SingleInstance> running;
        if (socket == QLatin1String("listening")) {
            running.emplace(dir.path());
            QVERIFY(running->tryBecomeFirst());
            QVERIFY(running->listen());
        } else {
            writeBytes(QFile::decodeName(lock), "999999\nkestrove\nhost\n");
            if (socket == QLatin1String("stale"))
                bindAndAbandon(QFile::encodeName(dir.filePath(QStringLiteral("Kestrove.socket"))));
        }
        QCOMPARE(::chmod(lock.constData(), mode_t(mode)), 0);
        // A copy started under root runs in a process of its own, which keeps its messages.
        if (taken && ::geteuid() != 0)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("^replacing the lock file")));
        QCOMPARE(startsAsFirst(dir.path()), taken);
    }

    void aSocketRemovedFromUnderTheCopyIsMadeAgain()
    {
        TemporaryFolder dir;
        SingleInstance first(dir.path());
        QVERIFY(first.tryBecomeFirst());
        QVERIFY(first.listen());
        // As a cleaner of temporary files does.
        const QString socketPath = dir.filePath(QStringLiteral("Kestrove.socket"));
        QVERIFY(QFile::remove(socketPath));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socketPath), 5000);
        QSignalSpy requests(&first, &SingleInstance::executeRequested);
        auto offer = std::async(std::launch::async, [&] {
            return SingleInstance::offerToRunning(dir.path(), QStringLiteral("/music/a.mp3"), 3000);
        });
        while (offer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        QVERIFY(offer.get());
        QTRY_COMPARE(requests.count(), 1);
    }

    void aRequestSentBeforeTheCopyListensIsServed()
    {
        TemporaryFolder dir;
        SingleInstance first(dir.path());
        QVERIFY(first.tryBecomeFirst());
        QSignalSpy requests(&first, &SingleInstance::executeRequested);
        auto offer = std::async(std::launch::async, [&] {
            return SingleInstance::offerToRunning(dir.path(), QStringLiteral("/music/a.mp3"), 3000);
        });
        // The copy is still starting: the offer waits for it.
        QCOMPARE(offer.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
        QVERIFY(first.listen());
        while (offer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        QVERIFY(offer.get());
        QTRY_COMPARE(requests.count(), 1);
    }

    void theSocketGoesWithTheCopy_data()
    {
        QTest::addColumn<bool>("listened");
        QTest::newRow("listening") << true;
        QTest::newRow("ended before it listened") << false;
    }
    void theSocketGoesWithTheCopy()
    {
        QFETCH(bool, listened);
        TemporaryFolder dir;
        const QString socketPath = dir.filePath(QStringLiteral("Kestrove.socket"));
        {
            SingleInstance first(dir.path());
            QVERIFY(first.tryBecomeFirst());
            if (listened) {
                QVERIFY(first.listen());
                QVERIFY(QFile::exists(socketPath));
                QCOMPARE(QFile::permissions(socketPath) & (QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                           QFileDevice::ReadOther | QFileDevice::WriteOther),
                         QFileDevice::Permissions());
            }
        }
        QVERIFY(!QFile::exists(socketPath));
    }

    void idleConnectionsDoNotLockOutHandOvers()
    {
        TemporaryFolder dir;
        SingleInstance first(dir.path());
        QVERIFY(first.tryBecomeFirst());
        QVERIFY(first.listen());
        QSignalSpy requests(&first, &SingleInstance::executeRequested);
        // Few descriptors, as when a flood of idle clients has used them up.
        rlimit saved = {};
        ::getrlimit(RLIMIT_NOFILE, &saved);
        rlimit small = saved;
        small.rlim_cur = 120;
        ::setrlimit(RLIMIT_NOFILE, &small);
        std::vector<int> idle;
        const QByteArray socketPath = QFile::encodeName(dir.filePath(QStringLiteral("Kestrove.socket")));
        for (int i = 0; i < 50; ++i) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
            if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
                idle.push_back(fd);
            QCoreApplication::processEvents();
        }
        QTest::qWait(50);
        auto offer = std::async(std::launch::async, [&] {
            return SingleInstance::offerToRunning(dir.path(), QStringLiteral("/music/a.mp3"), 3000);
        });
        while (offer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        const bool accepted = offer.get();
        for (int fd : idle)
            ::close(fd);
        ::setrlimit(RLIMIT_NOFILE, &saved);
        QVERIFY(accepted);
        QTRY_COMPARE(requests.count(), 1);
        QVERIFY(QFile::exists(QFile::decodeName(socketPath)));
    }

    void sharedRuntimeFolderIsTrustedOnlyWhenPrivate_data()
    {
        QTest::addColumn<QString>("made");
        QTest::addColumn<bool>("used");
        QTest::newRow("not there yet") << "" << true;
        QTest::newRow("private") << "0700" << true;
        QTest::newRow("open to everyone") << "0777" << false;
        QTest::newRow("a link") << "link" << false;
    }
    void sharedRuntimeFolderIsTrustedOnlyWhenPrivate()
    {
        QFETCH(QString, made);
        QFETCH(bool, used);
        TemporaryFolder temp;
        const QByteArray savedTemp = qgetenv("TMPDIR");
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        const QString shared = QDir(temp.path()).filePath(QStringLiteral("kestrove-%1").arg(::getuid()));
        if (made == QLatin1String("link")) {
            QVERIFY(QDir().mkpath(temp.filePath(QStringLiteral("elsewhere"))));
            QVERIFY(QFile::link(temp.filePath(QStringLiteral("elsewhere")), shared));
        } else if (!made.isEmpty()) {
            QVERIFY(QDir().mkpath(shared));
            QCOMPARE(::chmod(QFile::encodeName(shared).constData(), mode_t(made.toUInt(nullptr, 8))), 0);
        }
        const QString folder = SingleInstance::defaultRuntimeFolder();
        qputenv("TMPDIR", savedTemp);
        if (!savedRuntime.isEmpty())
            qputenv("XDG_RUNTIME_DIR", savedRuntime);
        QCOMPARE(folder == shared, used);
        struct stat info = {};
        QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &info), 0);
        QVERIFY(S_ISDIR(info.st_mode));
        QCOMPARE(info.st_mode & 077, 0u);
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
