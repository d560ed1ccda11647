// SPDX-License-Identifier: GPL-3.0-or-later
#include "FreedesktopTrash.h"
#include "PropertiesDialog.h"
#include "SingleInstance.h"
#include "TextLineFile.h"
#include "UnixSignalWatcher.h"

#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void splitsLinesAtEveryLineEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("lone cr") << QByteArray("a\rb") << QStringList{"a", "b"};
        QTest::newRow("no final end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("blank lines kept") << QByteArray("a\r\n\r\n\nb\r\n") << QStringList{"a", "", "", "b"};
        QTest::newRow("lf cr is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("blanks kept") << QByteArray(" a \r\n") << QStringList{" a "};
        QTest::newRow("binary bytes")
            << QByteArray("\xff\x00\r\n\x80", 5)
            << QStringList{QString::fromUtf8("\xff\x00", 2), QString::fromUtf8("\x80")};
        QTest::newRow("utf8") << QByteArray("/m\xc3\xbcsik/x.mp3\n")
                              << QStringList{QStringLiteral("/müsik/x.mp3")};
    }
    void splitsLinesAtEveryLineEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(TextLineFile::splitLines(bytes), lines);
    }

    void writesCrLfAndReplacesAtomically()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.txt"));
        QVERIFY(TextLineFile::write(path, {QStringLiteral("/a b"), QString(), QStringLiteral("/c")}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("/a b\r\n\r\n/c\r\n"));
        file.close();
        QCOMPARE(TextLineFile::read(path),
                 QStringList({QStringLiteral("/a b"), QString(), QStringLiteral("/c")}));
    }

    void missingFileReadsAsNothing()
    {
        QTemporaryDir dir;
        QVERIFY(!TextLineFile::read(dir.filePath(QStringLiteral("none"))));
    }

    void onlyOneCopyTakesTheLock()
    {
        QTemporaryDir dir;
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
        QTemporaryDir dir;
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
        QTemporaryDir dir;
        // A socket bound and abandoned, as a crashed copy leaves it.
        const QByteArray socketPath = QFile::encodeName(dir.filePath(QStringLiteral("Kestrove.socket")));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        ::close(fd);
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

    void trashKeepsWhatItCannotTrash()
    {
        // In test mode the trash lives under the test's own data folder.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gone soon.mp3"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        FreedesktopTrash trash;
        QCOMPARE(trash.moveToTrash(path), 0);
        QVERIFY(!QFile::exists(path));
        QVERIFY(trash.moveToTrash(path) != 0);
        QVERIFY(trash.moveToTrash(QString()) != 0);
    }

    void permissionTexts()
    {
        QCOMPARE(PropertiesDialog::permissionText(int(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                      QFileDevice::ExeOther)),
                 QStringLiteral("rwxr----x"));
        QCOMPARE(PropertiesDialog::permissionText(0), QStringLiteral("---------"));
    }

    void terminationSignalArrivesThroughTheEventLoop_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void terminationSignalArrivesThroughTheEventLoop()
    {
        QFETCH(int, signalNumber);
        UnixSignalWatcher watcher;
        QSignalSpy spy(&watcher, &UnixSignalWatcher::terminationRequested);
        ::raise(signalNumber);
        QVERIFY(spy.wait(2000));
        QCOMPARE(spy.first().first().toInt(), signalNumber);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
