// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/ClockText.h"
#include "editlist/FileCopyEngine.h"
#include "editlist/SearchProgressDialog.h"
#include "platform/NativePath.h"
#include "support/ScriptedPrompter.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"
#include "support/TextRow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList temporaryFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.tmp")}, QDir::Files);
}

// An engine with every progress report counted.
struct Copier
{
    Copier()
    {
        engine.setUpdateInterval(0);
        QObject::connect(&engine, &FileCopyEngine::figuresChanged,
                         [this](const QString &, const QString &, const QString &) {
                             ++infos;
                             if (onInfo)
                                 onInfo(infos);
                         });
        QObject::connect(&engine, &FileCopyEngine::progressChanged,
                         [this](int percent, const QString &) { percents.append(percent); });
    }

    ScriptedPrompter prompter;
    FileCopyEngine engine{prompter};
    int infos = 0;
    QList<int> percents;
    std::function<void(int)> onInfo;
};

} // namespace

class TestCopyEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copiesInChunksOfTheBufferSize_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("buffer");
        QTest::addColumn<int>("infos");
        QTest::addColumn<int>("lastPercent");
        QTest::newRow("empty source") << qint64(0) << qint64(8192) << 0 << 0;
        QTest::newRow("exactly one buffer") << qint64(8192) << qint64(8192) << 0 << 0;
        QTest::newRow("thirteen chunks, the last 1696 bytes") << qint64(100000) << qint64(8192) << 12 << 99;
        QTest::newRow("buffer larger than the file") << qint64(5000) << qint64(65536) << 0 << 0;
        QTest::newRow("past three 8 MiB write-out windows, chunks across their ends")
            << qint64(25165825) << qint64(100000) << 251 << 100;
    }
    void copiesInChunksOfTheBufferSize()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, buffer);
        QFETCH(int, infos);
        QFETCH(int, lastPercent);
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("in file.wav"));
        const QString target = dir.filePath(QStringLiteral("out\nfile.wav"));
        writeBytes(source, pattern(size));
        Copier copier;
        QCOMPARE(copier.engine.copyFile(source, target, buffer, false), int(FileCopyEngine::Done));
        QCOMPARE(readFile(target), pattern(size));
        QCOMPARE(readFile(source), pattern(size));
        QCOMPARE(copier.infos, infos);
        // A file copied in one chunk shows no progress at all; a longer one ends with the bar back
        // at zero.
        QCOMPARE(copier.percents.isEmpty(), infos == 0);
        if (infos > 0) {
            QCOMPARE(copier.percents.at(copier.percents.size() - 2), lastPercent);
            QCOMPARE(copier.percents.last(), 0);
        }
        QVERIFY(temporaryFiles(dir.path()).isEmpty());
    }

    // A copy long enough to start writing out several times leaves no descriptor open.
    void copiesLeaveNoDescriptorOpen()
    {
        const auto openDescriptors = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("in.wav"));
        writeBytes(source, pattern(25165825));
        const uint before = openDescriptors();
        Copier copier;
        for (int i = 0; i < 8; ++i) {
            const QString target = dir.filePath(QStringLiteral("out %1.wav").arg(i));
            QCOMPARE(copier.engine.copyFile(source, target, 1 << 20, false), int(FileCopyEngine::Done));
            QCOMPARE(readFile(target), pattern(25165825));
        }
        QCOMPARE(openDescriptors(), before);
    }

    void refusesWhatItMustNotDo()
    {
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("a.mp3"));
        const QString target = dir.filePath(QStringLiteral("b.mp3"));
        writeBytes(source, pattern(1000));
        writeBytes(target, "old");
        Copier copier;
        QCOMPARE(copier.engine.copyFile(dir.filePath(QStringLiteral("none.mp3")), target, 8192, true),
                 int(FileCopyEngine::SourceMissing));
        QCOMPARE(copier.engine.copyFile(dir.path(), target, 8192, true), int(FileCopyEngine::SourceMissing));
        QCOMPARE(copier.engine.copyFile(source, target, 8192, false), int(FileCopyEngine::TargetExists));
        QCOMPARE(copier.engine.moveFile(source, target, 8192, false), int(FileCopyEngine::TargetExists));
        QCOMPARE(readFile(target), QByteArray("old"));
        QCOMPARE(copier.engine.copyFile(source, target, 8192, true), int(FileCopyEngine::Done));
        QCOMPARE(readFile(target), pattern(1000));
        // A file is never copied or moved onto itself, allowed to overwrite or not.
        QCOMPARE(copier.engine.copyFile(source, source, 8192, true), int(FileCopyEngine::SameFile));
        QCOMPARE(copier.engine.moveFile(source, source, 8192, false), int(FileCopyEngine::SameFile));
        QCOMPARE(readFile(source), pattern(1000));
        QVERIFY(copier.prompter.questions().isEmpty());
    }

    void freeSpaceIsCheckedBeforeAnythingIsWritten_data()
    {
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<int>("result");
        QTest::newRow("one byte short") << qint64(99999) << int(FileCopyEngine::NotEnoughSpace);
        QTest::newRow("exactly the size") << qint64(100000) << int(FileCopyEngine::Done);
    }
    void freeSpaceIsCheckedBeforeAnythingIsWritten()
    {
        QFETCH(qint64, freeBytes);
        QFETCH(int, result);
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("a.avi"));
        writeBytes(source, pattern(100000));
        Copier copier;
        copier.engine.setFreeSpaceQuery([freeBytes](const QString &) { return freeBytes; });
        const QString target = dir.filePath(QStringLiteral("b.avi"));
        QCOMPARE(copier.engine.copyFile(source, target, 8192, false), result);
        QCOMPARE(QFile::exists(target), result == FileCopyEngine::Done);
        QVERIFY(temporaryFiles(dir.path()).isEmpty());
    }

    void aCopyHasNoNameUntilItIsComplete_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("new file") << false;
        QTest::newRow("replacing a file") << true;
    }
    void aCopyHasNoNameUntilItIsComplete()
    {
        QFETCH(bool, overwrite);
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("a.dat"));
        const QString target = dir.filePath(QStringLiteral("x.dat"));
        writeBytes(source, pattern(100000));
        if (overwrite)
            writeBytes(target, "old");
        writeBytes(target + QStringLiteral("1.tmp"), "someone else's");
        Copier copier;
        QStringList seen;
        copier.onInfo = [&](int) { seen = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); };
        QCOMPARE(copier.engine.copyFile(source, target, 8192, overwrite), int(FileCopyEngine::Done));
        QStringList before{QStringLiteral("a.dat"), QStringLiteral("x.dat1.tmp")};
        if (overwrite)
            before.insert(1, QStringLiteral("x.dat"));
        QCOMPARE(seen, before);
        QCOMPARE(readFile(target), pattern(100000));
        QCOMPARE(readFile(target + QStringLiteral("1.tmp")), QByteArray("someone else's"));
        QCOMPARE(temporaryFiles(dir.path()), QStringList{QStringLiteral("x.dat1.tmp")});
    }

    void aKilledCopyLeavesNothingBehind()
    {
        TemporaryFolder dir;
        QDir(dir.path()).mkdir(QStringLiteral("out"));
        const QString source = dir.filePath(QStringLiteral("a.mp3"));
        const QString folder = dir.filePath(QStringLiteral("out"));
        writeBytes(source, pattern(400000));
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            Copier copier;
            copier.onInfo = [](int count) {
                if (count == 3)
                    ::raise(SIGKILL);
            };
            copier.engine.copyFile(source, folder + QStringLiteral("/b.mp3"), 8192, false);
            std::_Exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void runningOutOfTemporaryNamesFails()
    {
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("a.dat"));
        const QString target = dir.filePath(QStringLiteral("x.dat"));
        writeBytes(source, pattern(10));
        writeBytes(target, "old");
        for (int n = 1; n <= FileCopyEngine::MaxTemporaryNames; ++n)
            QFile(target + QString::number(n) + QStringLiteral(".tmp")).open(QIODevice::WriteOnly);
        Copier copier;
        QCOMPARE(copier.engine.copyFile(source, target, 8192, true), int(FileCopyEngine::Failed));
        QCOMPARE(readFile(target), QByteArray("old"));
        QCOMPARE(temporaryFiles(dir.path()).size(), FileCopyEngine::MaxTemporaryNames);
        QCOMPARE(copier.prompter.questions().size(), 1);
        QVERIFY(copier.prompter.questions().first().text.endsWith(QStringLiteral(" code : 17")));
    }

    void cancelLeavesNoTrace_data()
    {
        QTest::addColumn<int>("atInfo");
        QTest::addColumn<bool>("move");
        QTest::newRow("first chunk") << 1 << false;
        QTest::newRow("middle chunk") << 6 << false;
        QTest::newRow("last chunk") << 12 << false;
        QTest::newRow("move, middle chunk") << 6 << true;
    }
    void cancelLeavesNoTrace()
    {
        QFETCH(int, atInfo);
        QFETCH(bool, move);
        TemporaryFolder dir;
        QString targetFolder = dir.path();
        // A move is only copied when it crosses file systems: the memory file system is another one.
        TemporaryFolder otherFileSystem(QStringLiteral("/dev/shm/kestrove-test-XXXXXX"));
        if (move) {
            struct stat a = {}, b = {};
            if (!otherFileSystem.isValid() || ::stat(qPrintable(dir.path()), &a) != 0 ||
                ::stat(qPrintable(otherFileSystem.path()), &b) != 0 || a.st_dev == b.st_dev)
                QSKIP("no second file system to move across");
            targetFolder = otherFileSystem.path();
        }
        const QString source = dir.filePath(QStringLiteral("a.mp3"));
        const QString target = targetFolder + QStringLiteral("/b.mp3");
        writeBytes(source, pattern(100000));
        Copier copier;
        copier.onInfo = [&](int count) {
            if (count == atInfo)
                copier.engine.cancel();
        };
        const int result = move ? copier.engine.moveFile(source, target, 8192, false)
                                : copier.engine.copyFile(source, target, 8192, false);
        QCOMPARE(result, int(FileCopyEngine::Cancelled));
        QCOMPARE(copier.infos, atInfo);
        QVERIFY(!QFile::exists(target));
        QVERIFY(temporaryFiles(targetFolder).isEmpty());
        QCOMPARE(readFile(source), pattern(100000));
        QCOMPARE(copier.percents.last(), 0);
    }

    void movesRenameOrCopyThenDelete()
    {
        TemporaryFolder dir;
        TemporaryFolder otherFileSystem(QStringLiteral("/dev/shm/kestrove-test-XXXXXX"));
        for (const QString &folder : {dir.path(), otherFileSystem.path()}) {
            if (folder.isEmpty())
                continue;
            const QString source = dir.filePath(QStringLiteral("a b.mp3"));
            const QString target = folder + QStringLiteral("/moved.mp3");
            writeBytes(source, pattern(70000));
            Copier copier;
            QCOMPARE(copier.engine.moveFile(source, target, 8192, false), int(FileCopyEngine::Done));
            QVERIFY(!QFile::exists(source));
            QCOMPARE(readFile(target), pattern(70000));
            // A rename shows no progress: moving many files must not flash the bar full and empty
            // for each. A copy across file systems ends with the bar back at zero.
            if (folder == dir.path())
                QCOMPARE(copier.percents, QList<int>());
            else
                QCOMPARE(copier.percents.last(), 0);
        }
    }

    void aMovedSourceThatChangesStays_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("grown") << "grow";
        QTest::newRow("replaced by another file") << "replace";
        QTest::newRow("rewritten at the same size") << "rewrite";
    }
    void aMovedSourceThatChangesStays()
    {
        QFETCH(QString, change);
        TemporaryFolder dir;
        TemporaryFolder otherFileSystem(QStringLiteral("/dev/shm/kestrove-test-XXXXXX"));
        struct stat a = {}, b = {};
        if (!otherFileSystem.isValid() || ::stat(qPrintable(dir.path()), &a) != 0 ||
            ::stat(qPrintable(otherFileSystem.path()), &b) != 0 || a.st_dev == b.st_dev)
            QSKIP("no second file system to move across");
        const QString source = dir.filePath(QStringLiteral("a.mp3"));
        const QString target = otherFileSystem.path() + QStringLiteral("/a.mp3");
        writeBytes(source, pattern(100000));
        QByteArray changed = pattern(100000);
        Copier copier;
        copier.onInfo = [&](int count) {
            if (count != 2)
                return;
            if (change == QLatin1String("grow")) {
                changed += QByteArray(5000, 'x');
                QFile file(source);
                QVERIFY(file.open(QIODevice::Append));
                file.write(QByteArray(5000, 'x'));
            } else if (change == QLatin1String("replace")) {
                changed = QByteArray(300, 'n');
                writeBytes(dir.filePath(QStringLiteral("new")), changed);
                QVERIFY(::rename(qPrintable(dir.filePath(QStringLiteral("new"))), qPrintable(source)) == 0);
            } else {
                changed[0] = char(~changed[0]);
                QFile file(source);
                QVERIFY(file.open(QIODevice::ReadWrite));
                file.write(changed.left(1));
                file.close();
                // Some file systems keep times to the second: the change is dated unmistakably.
                const timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 10, 0}};
                QVERIFY(::utimensat(AT_FDCWD, qPrintable(source), times, 0) == 0);
            }
        };
        QCOMPARE(copier.engine.moveFile(source, target, 8192, false), int(FileCopyEngine::Failed));
        QCOMPARE(readFile(source), changed);
        QVERIFY(!QFile::exists(target));
        QVERIFY(temporaryFiles(otherFileSystem.path()).isEmpty());
        QCOMPARE(copier.prompter.questions().size(), 1);
        QVERIFY(copier.prompter.questions().first().text.startsWith(
            QStringLiteral("The file changed while it was being moved")));
    }

    void copiesKeepTheSourcesTimesAndPermissions_data()
    {
        QTest::addColumn<bool>("move");
        QTest::newRow("copy") << false;
        QTest::newRow("move to another file system") << true;
    }
    void copiesKeepTheSourcesTimesAndPermissions()
    {
        QFETCH(bool, move);
        TemporaryFolder dir;
        TemporaryFolder otherFileSystem(QStringLiteral("/dev/shm/kestrove-test-XXXXXX"));
        const QString folder = move ? otherFileSystem.path() : dir.path();
        if (folder.isEmpty())
            QSKIP("no second file system to move across");
        const QString source = dir.filePath(QStringLiteral("a.mp3"));
        const QString target = folder + QStringLiteral("/b.mp3");
        writeBytes(source, pattern(20000));
        const timespec times[2] = {{1000000000, 5}, {1200000000, 7}};
        QVERIFY(::utimensat(AT_FDCWD, qPrintable(source), times, 0) == 0);
        QVERIFY(::chmod(qPrintable(source), 0640) == 0);
        Copier copier;
        QCOMPARE(move ? copier.engine.moveFile(source, target, 8192, false)
                      : copier.engine.copyFile(source, target, 8192, false),
                 int(FileCopyEngine::Done));
        struct stat copied = {};
        QVERIFY(::stat(qPrintable(target), &copied) == 0);
        QCOMPARE(copied.st_mtim.tv_sec, times[1].tv_sec);
        QCOMPARE(copied.st_mode & 0777, mode_t(0640));
    }

    void namesThatAreNotUtf8AreCopiedAndMoved_data()
    {
        QTest::addColumn<bool>("move");
        QTest::newRow("copy") << false;
        QTest::newRow("move") << true;
    }
    void namesThatAreNotUtf8AreCopiedAndMoved()
    {
        QFETCH(bool, move);
        TemporaryFolder dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + '/';
        const QByteArray source = folder + "bad\xff.wav";
        const QByteArray twin = folder + "bad\xef\xbf\xbd.wav";
        const QByteArray target = folder + "caf\xe9\x80.wav";
        for (const QByteArray &name : {source, twin}) {
            FILE *file = std::fopen(name.constData(), "wb");
            QVERIFY(file);
            std::fputs(name == source ? "source" : "twin", file);
            std::fclose(file);
        }
        Copier copier;
        const QString from = NativePath::fromBytes(source);
        const QString to = NativePath::fromBytes(target);
        const int result = move ? copier.engine.moveFile(from, to, 8192, false)
                                : copier.engine.copyFile(from, to, 8192, false);
        QCOMPARE(result, int(FileCopyEngine::Done));
        struct stat info = {};
        QCOMPARE(::stat(target.constData(), &info), 0);
        QCOMPARE(qint64(info.st_size), qint64(6));
        QCOMPARE(::stat(source.constData(), &info) == 0, !move);
        QCOMPARE(::stat(twin.constData(), &info), 0);
    }

    void moveBetweenTwoMountPointsOfOneFileSystem()
    {
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("a/song.mp3"));
        QDir().mkpath(dir.filePath(QStringLiteral("a")));
        QDir().mkpath(dir.filePath(QStringLiteral("b")));
        QDir().mkpath(dir.filePath(QStringLiteral("mounted")));
        if (::mount(QFile::encodeName(dir.filePath(QStringLiteral("b"))).constData(),
                    QFile::encodeName(dir.filePath(QStringLiteral("mounted"))).constData(), nullptr, MS_BIND,
                    nullptr) != 0)
            QSKIP("bind mounts are not allowed here");
        writeBytes(source, pattern(70000));
        Copier copier;
        const int result =
            copier.engine.moveFile(source, dir.filePath(QStringLiteral("mounted/song.mp3")), 8192, false);
        ::umount2(QFile::encodeName(dir.filePath(QStringLiteral("mounted"))).constData(), MNT_DETACH);
        QCOMPARE(result, int(FileCopyEngine::Done));
        QVERIFY(!QFile::exists(source));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("b/song.mp3"))), pattern(70000));
        QVERIFY(copier.prompter.questions().isEmpty());
    }

    void theSourceReachedThroughAnotherMountIsNeverDeleted_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("move, overwrite") << true << true;
        QTest::newRow("copy, overwrite") << false << true;
        QTest::newRow("move, keep") << true << false;
    }
    void theSourceReachedThroughAnotherMountIsNeverDeleted()
    {
        QFETCH(bool, move);
        QFETCH(bool, overwrite);
        TemporaryFolder dir;
        QDir().mkpath(dir.filePath(QStringLiteral("a")));
        QDir().mkpath(dir.filePath(QStringLiteral("mounted")));
        const QByteArray mounted = QFile::encodeName(dir.filePath(QStringLiteral("mounted")));
        if (::mount(QFile::encodeName(dir.filePath(QStringLiteral("a"))).constData(), mounted.constData(),
                    nullptr, MS_BIND, nullptr) != 0)
            QSKIP("bind mounts are not allowed here");
        const QString source = dir.filePath(QStringLiteral("a/film.mkv"));
        writeBytes(source, pattern(30000));
        Copier copier;
        const QString target = dir.filePath(QStringLiteral("mounted/film.mkv"));
        const int done = move ? copier.engine.moveFile(source, target, 8192, overwrite)
                              : copier.engine.copyFile(source, target, 8192, overwrite);
        ::umount2(mounted.constData(), MNT_DETACH);
        QCOMPARE(done, int(FileCopyEngine::SameFile));
        QCOMPARE(readFile(source), pattern(30000));
        QVERIFY(temporaryFiles(dir.filePath(QStringLiteral("a"))).isEmpty());
    }

    void withoutNoReplaceRenamesATakenNameIsStillRefused_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("taken");
        QTest::newRow("copy") << false << false;
        QTest::newRow("move") << true << false;
        QTest::newRow("copy onto a taken name") << false << true;
    }
    void withoutNoReplaceRenamesATakenNameIsStillRefused()
    {
        QFETCH(bool, move);
        QFETCH(bool, taken);
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("a.mp3"));
        const QString target = dir.filePath(QStringLiteral("b.mp3"));
        writeBytes(source, pattern(20000));
        Copier copier;
        copier.engine.setPlainRenameOnly(true);
        if (taken) {
            // The name is taken after the checks at the start, as by another program.
            copier.onInfo = [&](int info) {
                if (info == 1)
                    writeBytes(target, "theirs");
            };
        }
        const int result = move ? copier.engine.moveFile(source, target, 4096, false)
                                : copier.engine.copyFile(source, target, 4096, false);
        QCOMPARE(result, int(taken ? FileCopyEngine::TargetExists : FileCopyEngine::Done));
        QCOMPARE(readFile(target), taken ? QByteArray("theirs") : pattern(20000));
        QCOMPARE(QFile::exists(source), !move);
        QVERIFY(temporaryFiles(dir.path()).isEmpty());
    }

    void namesAtTheLengthLimitAreCopied_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("251 bytes") << 251;
        QTest::newRow("255 bytes") << 255;
    }
    void namesAtTheLengthLimitAreCopied()
    {
        QFETCH(int, length);
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("a.mp3"));
        const QString target = dir.filePath(QString(length - 4, QLatin1Char('n')) + QStringLiteral(".mp3"));
        writeBytes(source, pattern(10000));
        Copier copier;
        QCOMPARE(copier.engine.copyFile(source, target, 4096, false), int(FileCopyEngine::Done));
        QCOMPARE(readFile(target), pattern(10000));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void fullFileSystemFailsAndCleansUp()
    {
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("a.mp3"));
        const QString target = dir.filePath(QStringLiteral("b.mp3"));
        writeBytes(source, pattern(100000));
        Copier copier;
        // Writes past 50,000 bytes fail as on a full disk, for this process only.
        struct rlimit old = {};
        ::getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit small = old;
        small.rlim_cur = 50000;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &small);
        const int result = copier.engine.copyFile(source, target, 8192, false);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(result, int(FileCopyEngine::Failed));
        QVERIFY(!QFile::exists(target));
        QVERIFY(temporaryFiles(dir.path()).isEmpty());
        QCOMPARE(readFile(source), pattern(100000));
        QCOMPARE(copier.prompter.questions().size(), 1);
        QCOMPARE(copier.prompter.questions().first().text, QStringLiteral("File too large code : 27"));
        QCOMPARE(copier.prompter.questions().first().icon, Prompter::Icon::Critical);
    }

    void failureMessagesCanBeLeftOut()
    {
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("a.mp3"));
        writeBytes(source, pattern(1000));
        Copier copier;
        const QString nowhere = dir.filePath(QStringLiteral("gone/b.mp3"));
        copier.engine.setFailureMessagesShown(false);
        QCOMPARE(copier.engine.copyFile(source, nowhere, 8192, false), int(FileCopyEngine::Failed));
        QVERIFY(copier.prompter.questions().isEmpty());
        copier.engine.setFailureMessagesShown(true);
        QCOMPARE(copier.engine.copyFile(source, nowhere, 8192, false), int(FileCopyEngine::Failed));
        QCOMPARE(copier.prompter.questions().size(), 1);
    }

    void failuresMidCopyLeaveNoPartialFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        textRow("source truncated", {"truncate", "Input past end of file code : 62"});
        textRow("destination folder removed", {"rmdir", "No such file or directory code : 2"});
    }
    void failuresMidCopyLeaveNoPartialFile()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        TemporaryFolder dir;
        QDir(dir.path()).mkdir(QStringLiteral("out"));
        const QString source = dir.filePath(QStringLiteral("a.mp3"));
        const QString folder = dir.filePath(QStringLiteral("out"));
        const QString target = folder + QStringLiteral("/b.mp3");
        writeBytes(source, pattern(100000));
        Copier copier;
        copier.onInfo = [&](int count) {
            if (count != 2)
                return;
            if (fault == QLatin1String("truncate")) {
                QVERIFY(::truncate(qPrintable(source), 30000) == 0);
            } else {
                for (const QString &name : temporaryFiles(folder))
                    QFile::remove(folder + QLatin1Char('/') + name);
                QVERIFY(QDir().rmdir(folder));
            }
        };
        QCOMPARE(copier.engine.copyFile(source, target, 8192, false), int(FileCopyEngine::Failed));
        QVERIFY(!QFile::exists(target));
        if (QFileInfo(folder).isDir())
            QVERIFY(temporaryFiles(folder).isEmpty());
        QCOMPARE(copier.prompter.questions().size(), 1);
        QCOMPARE(copier.prompter.questions().first().text, message);
    }

    void progressIsThrottledButTheLastStateShown()
    {
        TemporaryFolder dir;
        const QString source = dir.filePath(QStringLiteral("a.avi"));
        writeBytes(source, pattern(4 << 20));
        Copier copier;
        copier.engine.setUpdateInterval(60000);
        QCOMPARE(copier.engine.copyFile(source, dir.filePath(QStringLiteral("b.avi")), 8192, false),
                 int(FileCopyEngine::Done));
        // The first state and the state after the last chunk that left data to copy.
        QCOMPARE(copier.infos, 2);
        QCOMPARE(copier.percents, QList<int>({1, 100, 0}));
    }

    void clockTexts_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("below one") << 0.5 << "00:00:00";
        QTest::newRow("59.5") << 59.5 << "00:00:59";
        QTest::newRow("60") << 60.0 << "00:00:59";
        QTest::newRow("61") << 61.0 << "00:01:00";
        QTest::newRow("3600") << 3600.0 << "00:59:59";
        QTest::newRow("3661") << 3661.0 << "01:01:00";
        QTest::newRow("negative") << -5.0 << "00:00:00";
    }
    void clockTexts()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(clockText(seconds), text);
    }

    void searchWindowCancelsOnceAndShowsTheShortenedPath_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("cancels");
        QTest::newRow("Cancel") << "button" << 1;
        QTest::newRow("close box") << "close" << 1;
        QTest::newRow("Esc") << "escape" << 1;
        QTest::newRow("search ended") << "finish" << 0;
    }
    void searchWindowCancelsOnceAndShowsTheShortenedPath()
    {
        QFETCH(QString, how);
        QFETCH(int, cancels);
        SearchProgressDialog window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Searching...."));
        window.show();
        QSignalSpy spy(&window, &SearchProgressDialog::cancelRequested);
        const QString longPath =
            QStringLiteral("/music/") + QString(300, QLatin1Char('x')) + QStringLiteral("/song.mp3");
        window.showFound(longPath, 7);
        const QString first = window.findChild<QLabel *>(QStringLiteral("searchActivity"))->text();
        QVERIFY(first.startsWith(QStringLiteral("Adding file:/music/")));
        QVERIFY(first.endsWith(QStringLiteral("song.mp3")));
        QVERIFY(first.contains(QChar(0x2026)));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("searchCount"))->text(),
                 QStringLiteral("Files found so far : 7"));
        if (how == QLatin1String("button"))
            window.findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
        else if (how == QLatin1String("close"))
            window.close();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            window.finish();
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(spy.count(), cancels);
    }
};

QObject *createCopyEngineTest()
{
    return new TestCopyEngine;
}

#include "tst_copyengine.moc"
