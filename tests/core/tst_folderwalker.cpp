// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FilePattern.h"
#include "core/FolderBatch.h"
#include "core/FolderChainReadAhead.h"
#include "core/FolderListing.h"
#include "core/FolderReadAhead.h"
#include "core/FolderReader.h"
#include "core/FolderWalker.h"
#include "core/MediaTypes.h"
#include "platform/NativePath.h"
#include "support/ScriptedPrompter.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Puts a batch's names in where its places say; false when the places are out of order or out of
// the list.
bool putIn(QStringList &names, const FolderBatch::Part &part)
{
    if (part.places.isEmpty()) {
        names.append(part.names);
        return true;
    }
    if (part.places.size() != part.names.size())
        return false;
    QStringList merged;
    qsizetype old = 0;
    for (qsizetype i = 0; i < part.names.size(); ++i) {
        const int place = part.places.at(i);
        if (place < old || place > names.size())
            return false;
        while (old < place)
            merged.append(names.at(old++));
        merged.append(part.names.at(i));
    }
    while (old < names.size())
        merged.append(names.at(old++));
    names = merged;
    return true;
}

// A walker whose events are written down in order, relative to a root folder.
struct Walk
{
    explicit Walk(const QString &rootFolder) : root(rootFolder + QLatin1Char('/'))
    {
        QObject::connect(&walker, &FolderWalker::folderEntered,
                         [this](const QString &folder) { log(QStringLiteral("folder "), folder); });
        QObject::connect(&walker, &FolderWalker::filesFound, [this](const QStringList &paths) {
            for (const QString &path : paths)
                log(QStringLiteral("file "), path);
        });
        QObject::connect(&walker, &FolderWalker::finished,
                         [this] { events.append(QStringLiteral("finish")); });
    }
    // Starts the walk and waits for its end; false when nothing was walked.
    bool run(const QString &path, const QString &pattern)
    {
        if (!walker.start(path, pattern))
            return false;
        QSignalSpy ended(&walker, &FolderWalker::finished);
        return ended.wait(60000);
    }
    // The files reported, in order.
    QStringList files() const
    {
        QStringList found;
        for (const QString &event : events) {
            if (event.startsWith(QLatin1String("file ")))
                found.append(event.mid(5));
        }
        return found;
    }
    void log(const QString &what, const QString &path)
    {
        events.append(what + (path.startsWith(root) ? path.mid(root.size()) : path));
        if (onEvent)
            onEvent(events.size());
    }

    QString root;
    ScriptedPrompter prompter;
    FolderWalker walker{prompter};
    QStringList events;
    std::function<void(int)> onEvent;
};

} // namespace

class TestFolderWalker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void largeFoldersAreListedInCaseInsensitiveOrder()
    {
        // Enough names that the reader splits its work between two threads; in memory when the
        // machine has a memory file system, where making them is quick.
        const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                                : QDir::tempPath();
        const TemporaryFolder dir(base + QStringLiteral("/kestrove-test-XXXXXX"));
        QStringList created;
        for (int i = 0; i < 20011; ++i) {
            const char *stem = i % 3 == 0 ? "Track " : i % 3 == 1 ? "track " : "TRACK ";
            // Some numbers repeat with another case, so ties on the case-free order occur.
            const QString name = QLatin1String(stem) + QString::number((i * 7919) % 15013) +
                                 (i % 5 == 0 ? QStringLiteral(".MP3") : QStringLiteral(".mp3"));
            const QByteArray path = QFile::encodeName(dir.filePath(name));
            const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
            created.append(name);
        }
        // Names alike for more than the first eight bytes after the prefix all names share.
        for (const char *name :
             {"Track 1234567890 b.mp3", "track 1234567890 A.mp3", "track 1234567890.mp3"}) {
            const int fd = ::open(QFile::encodeName(dir.filePath(QLatin1String(name))).constData(),
                                  O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
            created.append(QLatin1String(name));
        }
        created.removeDuplicates();
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("Sub"))));
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("alpha"))));

        const FolderReader::Contents contents =
            FolderReader::read(dir.path(), FilePattern(QStringLiteral("*.mp3")));
        QVERIFY(contents.opened);
        QCOMPARE(contents.folders, QStringList({QStringLiteral("alpha"), QStringLiteral("Sub")}));
        QCOMPARE(contents.files.size(), created.size());
        QStringList expected = created;
        std::sort(expected.begin(), expected.end(), [](const QString &a, const QString &b) {
            const int order = a.compare(b, Qt::CaseInsensitive);
            return order != 0 ? order < 0 : a < b;
        });
        QCOMPARE(contents.files, expected);

        // Streamed, the same names come in batches that put together give the same order.
        QList<FolderBatch> batches;
        QVERIFY(FolderReader::stream(dir.path(), FilePattern(QStringLiteral("*.mp3")), nullptr,
                                     [&](FolderBatch batch) { batches.append(std::move(batch)); }));
        QVERIFY(batches.size() > 2);
        QVERIFY(size_t(batches.first().files.names.size() + batches.first().folders.names.size()) >=
                FolderReader::FirstBatch);
        QStringList folders;
        QStringList files;
        for (const FolderBatch &batch : batches) {
            QCOMPARE(batch.last, &batch == &batches.last());
            QVERIFY(putIn(folders, batch.folders));
            QVERIFY(putIn(files, batch.files));
        }
        QVERIFY(batches.last().opened);
        QCOMPARE(folders, contents.folders);
        QCOMPARE(files, contents.files);
    }

    void aStreamEndsWithOneLastBatch_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<int>("batches");
        QTest::addColumn<bool>("opened");
        QTest::newRow("missing") << QStringLiteral("missing") << false << 1 << false;
        QTest::newRow("empty") << QStringLiteral("empty") << false << 1 << true;
        QTest::newRow("few") << QStringLiteral("few") << false << 1 << true;
        // A read stopped before it began hands over nothing; the reads that go on past it are
        // of folders nobody waits for.
        QTest::newRow("stopped") << QStringLiteral("few") << true << 0 << true;
    }

    void aStreamEndsWithOneLastBatch()
    {
        QFETCH(QString, folder);
        QFETCH(bool, stopped);
        QFETCH(int, batches);
        QFETCH(bool, opened);
        TemporaryFolder dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("empty")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("few/sub")));
        writeNative(QFile::encodeName(dir.filePath(QStringLiteral("few/"))) + "caf\xe9.mp3");
        touch(dir.filePath(QStringLiteral("few/B.mp3")));
        touch(dir.filePath(QStringLiteral("few/a.mp3")));
        // Far more entries than the reader looks at its stop between.
        for (int i = 0; i < 600; ++i)
            touch(dir.filePath(QStringLiteral("few/skipped %1.txt").arg(i)));
        const std::atomic<bool> stop(stopped);
        QList<FolderBatch> handed;
        QCOMPARE(FolderReader::stream(dir.filePath(folder), FilePattern(QStringLiteral("*.mp3")), &stop,
                                      [&](FolderBatch batch) { handed.append(std::move(batch)); }),
                 !stopped);
        QCOMPARE(handed.size(), batches);
        if (handed.isEmpty())
            return;
        QVERIFY(handed.first().last);
        QCOMPARE(handed.first().opened, opened);
        if (folder == QLatin1String("few")) {
            QCOMPARE(handed.first().folders.names, QStringList({QStringLiteral("sub")}));
            QCOMPARE(NativePath::toBytes(handed.first().files.names.last()), QByteArray("caf\xe9.mp3"));
            QCOMPARE(handed.first().files.names.first(), QStringLiteral("a.mp3"));
        }
    }

    void aReadAheadIsTakenOnceForItsFolderAndPattern()
    {
        const TemporaryFolder dir;
        for (const char *name : {"a.mp3", "b.wav"})
            touch(dir.filePath(QLatin1String(name)));
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("Sub"))));
        const QString folder = dir.path() + QLatin1Char('/');
        const FilePattern songs(QStringLiteral("*.mp3"));
        FolderReadAhead early(folder, songs);
        std::jthread reader([&early] { early.read(); });
        QVERIFY(!early.take(dir.filePath(QStringLiteral("Sub/")), songs));
        QVERIFY(!early.take(folder, FilePattern(QStringLiteral("*.wav"))));
        const std::optional<FolderReader::Contents> taken = early.take(folder, songs);
        QVERIFY(taken);
        QVERIFY(taken->opened);
        QCOMPARE(taken->folders, QStringList{QStringLiteral("Sub")});
        QCOMPARE(taken->files, QStringList{QStringLiteral("a.mp3")});
        QVERIFY(!early.take(folder, songs));
    }

    void folderChainRunsFromTheRoot_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("root") << "/" << QStringList{};
        QTest::newRow("top") << "/a/" << QStringList{"/"};
        QTest::newRow("deep") << "/a/b c/d/" << QStringList{"/", "/a/", "/a/b c/"};
        QTest::newRow("no closing slash") << "/a/b" << QStringList{"/", "/a/"};
        QTest::newRow("none") << "" << QStringList{};
        QTest::newRow("not a path") << "Computer" << QStringList{};
    }
    void folderChainRunsFromTheRoot()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, chain);
        QCOMPARE(FolderChainReadAhead::chain(folder), chain);
    }

    void aFolderChainIsTakenOnceForEachFolder()
    {
        const TemporaryFolder dir;
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("Sub/Deeper"))));
        const QString sub = dir.path() + QStringLiteral("/Sub/");
        FolderChainReadAhead early(sub + QStringLiteral("Deeper/"));
        std::jthread reader([&early] { early.read(); });
        const std::optional<FolderReader::Contents> taken = early.take(sub);
        QVERIFY(taken);
        QCOMPARE(taken->folders, QStringList{QStringLiteral("Deeper")});
        QVERIFY(!early.take(sub));
        QVERIFY(early.take(dir.path() + QLatin1Char('/')));
        QVERIFY(!early.take(sub + QStringLiteral("Deeper/")));
        const std::optional<QList<ListEntry>> volumes = early.takeVolumes();
        QVERIFY(volumes);
        QCOMPARE(volumes->size(), FolderListing::volumes().size());
        QVERIFY(!early.takeVolumes());
    }

    // Both syntaxes, as the file list (wildcards) and a folder search (endings) use them; each name
    // is tested as text and as the bytes a folder listing gives.
    void patternsMatchWithoutRegardToCase_data()
    {
        QTest::addColumn<bool>("endings");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        const auto row = [](const char *tag, bool endings, const char *pattern, const char *name,
                            bool matches) {
            QTest::newRow(tag) << endings << QString::fromUtf8(pattern) << QString::fromUtf8(name) << matches;
        };
        const QByteArray media = MediaTypes().filePattern(false).toUtf8();
        row("media, upper mp3", false, media.constData(), "song.MP3", true);
        row("media, mixed mpeg", false, media.constData(), "movie.Mpeg", true);
        row("media, txt", false, media.constData(), "readme.txt", false);
        row("media, jpeg", false, media.constData(), "photo.jpeg", false);
        row("media, double ext", false, media.constData(), "a.txt.wav", true);
        row("media, mp3 inside", false, media.constData(), "a.mp3.txt", false);
        row("all, no ext", false, "*.*", "README", true);
        row("all, dotfile", false, "*.*", ".hidden", true);
        row("question mark", false, "a?.wav", "ab.WAV", true);
        row("question mark miss", false, "a?.wav", "abc.wav", false);
        row("empty pattern", false, "", "a.wav", false);
        row("question mark in extension", false, "*.mp?", "a.MP4", true);
        row("set in extension", false, "*.m[pk]3", "a.mk3", true);
        row("set in extension miss", false, "*.m[pk]3", "a.m[pk]3x", false);
        row("dot in extension", false, "*.tar.gz", "a.TAR.GZ", true);
        row("dot in extension miss", false, "*.tar.gz", "a.gz", false);
        row("long extension", false, "*.playlist", "x.PlayList", true);
        row("blank after separator", false, "*.mp3; *.wav", "a.wav", true);
        row("non-ASCII extension", false, "*.mp3;*.ña", "canción.ÑA", true);
        row("endings, plain", true, "*.mp3", "a.mp3", true);
        row("endings, upper name", true, "*.mp3", "A.MP3", true);
        row("endings, upper pattern", true, "*.MP3;*.wav", "a.wav", true);
        row("endings, blank after separator", true, "*.mp3; *.wav", "a.wav", false);
        row("endings, empty pattern", true, "", "a.txt", true);
        row("endings, star dot star", true, "*.mp3;*.*", "a.txt", true);
        row("endings, empty item", true, "*.mp3;;*.wav", "a.txt", true);
        row("endings, trailing separator", true, "*.mp3;", "a.txt", false);
        row("endings, no match", true, "*.mp3", "b.txt", false);
        row("endings, suffix without dot", true, "*.mp3", "xmp3", false);
        row("endings, item without star", true, "mp3", "x.mp3", true);
        row("endings, one character", true, "x", "a.x", true);
        row("endings, dot in ending", true, "*.tar.gz", "a.TAR.GZ", true);
        row("endings, question mark taken as it stands", true, "*.mp?", "a.mp4", false);
        row("endings, non-ASCII ending", true, "*.mp3;*.ña", "canción.ÑA", true);
        row("endings, non-ASCII ending miss", true, "*.ña", "a.na", false);
    }
    void patternsMatchWithoutRegardToCase()
    {
        QFETCH(bool, endings);
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        const FilePattern filePattern(pattern, endings ? FilePattern::Syntax::Endings
                                                       : FilePattern::Syntax::Wildcards);
        QCOMPARE(filePattern.matches(name), matches);
        const QByteArray bytes = NativePath::toBytes(name);
        QCOMPARE(filePattern.matchesBytes(bytes.constData(), size_t(bytes.size())), matches);
    }

    void walksFilesFirstThenSubfoldersDepthFirst()
    {
        TemporaryFolder dir;
        QDir root(dir.path());
        root.mkpath(QStringLiteral("x"));
        root.mkpath(QStringLiteral(".hidden"));
        touch(dir.filePath(QStringLiteral("a.mp3")));
        touch(dir.filePath(QStringLiteral("b.txt")));
        touch(dir.filePath(QStringLiteral("x/c.MP3")));
        touch(dir.filePath(QStringLiteral(".hidden/d.mp3")));
        QVERIFY(QFile::link(dir.path(), dir.filePath(QStringLiteral("x/loop"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")),
                            dir.filePath(QStringLiteral("x/broken.mp3"))));
        Walk walk(dir.path());
        QVERIFY(walk.run(dir.path(), QStringLiteral("*.mp3")));
        QCOMPARE(walk.files(), QStringList({"a.mp3", "x/c.MP3"}));
        QCOMPARE(walk.events.first(), QStringLiteral("folder "));
        QCOMPARE(walk.events.count(QStringLiteral("finish")), 1);
        QCOMPARE(walk.events.last(), QStringLiteral("finish"));
        QCOMPARE(walk.walker.folderCount(), 2);
        QVERIFY(!walk.walker.busy());
    }

    void everyFileWithAnEmptyPattern()
    {
        TemporaryFolder dir;
        touch(dir.filePath(QStringLiteral("noext")));
        touch(dir.filePath(QStringLiteral(".dotfile")));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("noext")), dir.filePath(QStringLiteral("link"))));
        Walk walk(dir.path());
        walk.run(dir.path() + QLatin1Char('/'), QString());
        QStringList files = walk.files();
        files.sort();
        QCOMPARE(files, QStringList({".dotfile", "link", "noext"}));
    }

    void cancelEndsTheWalkWithOneFinish()
    {
        TemporaryFolder dir;
        QString folder = dir.path();
        for (int depth = 0; depth < 30; ++depth) {
            touch(folder + QStringLiteral("/f.wav"));
            folder += QStringLiteral("/d");
            QDir().mkdir(folder);
        }
        Walk walk(dir.path());
        // Cancelled as the first folder is reported, before any of its names is read.
        walk.onEvent = [&](int count) {
            if (count == 1)
                walk.walker.cancel();
        };
        walk.run(dir.path(), QStringLiteral("*.wav"));
        QCOMPARE(walk.events, QStringList({"folder ", "finish"}));
        QCOMPARE(walk.walker.folderCount(), 1);
    }

    void aWalkerEndedWhileItWalksStopsItsThread()
    {
        TemporaryFolder dir;
        for (int i = 0; i < 200; ++i) {
            const QString folder = dir.filePath(QStringLiteral("d%1").arg(i));
            QDir().mkdir(folder);
            touch(folder + QStringLiteral("/f.mp3"));
        }
        QStringList found;
        {
            ScriptedPrompter prompter;
            FolderWalker walker(prompter);
            QObject::connect(&walker, &FolderWalker::filesFound, &walker,
                             [&](const QStringList &paths) { found += paths; });
            QVERIFY(walker.start(dir.path(), QStringLiteral("*.mp3")));
            QVERIFY(walker.busy());
        }
        // Reports still on their way when the walker went are dropped, not delivered to it.
        QCoreApplication::processEvents();
        QVERIFY(found.isEmpty());
    }

    void folderThatCannotBeReadIsPassedOver()
    {
        TemporaryFolder dir;
        QDir(dir.path()).mkpath(QStringLiteral("gone"));
        QDir(dir.path()).mkpath(QStringLiteral("kept"));
        touch(dir.filePath(QStringLiteral("gone/a.mp3")));
        touch(dir.filePath(QStringLiteral("kept/b.mp3")));
        Walk walk(dir.path());
        // The folder vanishes after it was listed and before it is walked.
        walk.onEvent = [&](int count) {
            if (count == 1)
                QVERIFY(QDir(dir.filePath(QStringLiteral("gone"))).removeRecursively());
        };
        walk.run(dir.path(), QStringLiteral("*.mp3"));
        QCOMPARE(walk.files(), QStringList{"kept/b.mp3"});
        QCOMPARE(walk.walker.folderCount(), 2);
    }

    void pathsThatCannotBeWalked_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("message");
        QTest::newRow("relative") << "music/rock" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("share") << "//server/share" << true;
        QTest::newRow("missing") << "/no/such/folder" << true;
    }
    void pathsThatCannotBeWalked()
    {
        QFETCH(QString, path);
        QFETCH(bool, message);
        Walk walk(QStringLiteral("/"));
        QVERIFY(!walk.run(path, QStringLiteral("*.mp3")));
        QVERIFY(walk.events.isEmpty());
        QCOMPARE(walk.prompter.questions().size(), message ? 1 : 0);
        if (message) {
            QCOMPARE(walk.prompter.questions().first().text, path);
            QCOMPARE(walk.prompter.questions().first().title, QStringLiteral("Path is invalid"));
            QCOMPARE(walk.prompter.questions().first().icon, Prompter::Icon::Information);
        }
    }

    void reportsThePathsAsTheyAreOnDisk()
    {
        TemporaryFolder dir;
        const QByteArray root = QFile::encodeName(dir.path());
        QCOMPARE(::mkdir((root + "/caf\xe9").constData(), 0700), 0);
        const QByteArray file = root + "/caf\xe9/bad\xff.mp3";
        std::fclose(std::fopen(file.constData(), "w"));
        Walk walk(dir.path());
        QVERIFY(walk.run(dir.path(), QStringLiteral("*.mp3")));
        QCOMPARE(walk.files().size(), 1);
        QCOMPARE(NativePath::toBytes(walk.root + walk.files().first()), file);
    }

    void nonAsciiPatternsMatchByText()
    {
        TemporaryFolder dir;
        touch(dir.filePath(QStringLiteral("canción.ÑA")));
        Walk walk(dir.path());
        walk.run(dir.path(), QStringLiteral("*.mp3;*.ña"));
        QCOMPARE(walk.events, QStringList({"folder ", "file canción.ÑA", "finish"}));
    }
};

QObject *createFolderWalkerTest()
{
    return new TestFolderWalker;
}

#include "tst_folderwalker.moc"
