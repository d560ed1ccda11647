// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Paths.h"
#include "core/UserFolders.h"
#include "support/TemporaryFolder.h"
#include "support/TextRow.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

class TestPaths : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aTypedTildeIsTheHomeFolder_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("path");
        textRow("alone", {"~", "/home/ann"});
        textRow("a folder in it", {"~/Music", "/home/ann/Music"});
        textRow("a separator only", {"~/", "/home/ann/"});
        textRow("another user's is not guessed", {"~bob/Music", "~bob/Music"});
        textRow("further on it is a name", {"/tmp/~/x", "/tmp/~/x"});
        textRow("a relative name", {"Music", "Music"});
        textRow("nothing", {"", ""});
    }
    void aTypedTildeIsTheHomeFolder()
    {
        QFETCH(QString, typed);
        QFETCH(QString, path);
        QCOMPARE(Paths::expandHome(typed, QStringLiteral("/home/ann")), path);
    }

    void aPathLeadsToAFolderAndAnEntry_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("entry");
        const int nowhere = int(Paths::Target::Kind::Nowhere);
        const int folder = int(Paths::Target::Kind::Folder);
        const int file = int(Paths::Target::Kind::File);
        QTest::newRow("a folder") << "music" << folder << "music/"
                                  << "";
        QTest::newRow("a folder with its separator") << "music/" << folder << "music/"
                                                     << "";
        QTest::newRow("a file") << "music/song.mp3" << file << "music/"
                                << "song.mp3";
        QTest::newRow("a link to a file") << "music/link.mp3" << file << "music/"
                                          << "link.mp3";
        QTest::newRow("a file that is gone") << "music/gone.mp3" << nowhere << "music/"
                                             << "";
        QTest::newRow("a file taken for a folder") << "music/song.mp3/" << nowhere << ""
                                                   << "";
        QTest::newRow("nothing in a folder that is gone") << "gone/song.mp3" << nowhere << ""
                                                          << "";
    }
    void aPathLeadsToAFolderAndAnEntry()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        TemporaryFolder root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("music")));
        QFile song(root.filePath(QStringLiteral("music/song.mp3")));
        QVERIFY(song.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(song.fileName(), root.filePath(QStringLiteral("music/link.mp3"))));
        const QString base = root.path() + QLatin1Char('/');
        const Paths::Target target = Paths::targetOf(base + path);
        QTEST(int(target.kind), "kind");
        QCOMPARE(target.folder, folder.isEmpty() ? folder : base + folder);
        QTEST(target.entry, "entry");
    }

    void theUserFoldersThatExistAreOffered_data()
    {
        // Folders made in a home folder of the test's own, where the user folders are looked for
        // under their usual names.
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("firstStart");
        QTest::newRow("the usual ones, in the desktop's order")
            << QStringList{"Videos", "Music", "Desktop", "Pictures", "Downloads", "Documents"}
            << QStringList{"", "Desktop/", "Documents/", "Downloads/", "Music/", "Pictures/", "Videos/"}
            << "Music/";
        QTest::newRow("without music")
            << QStringList{"Pictures", "music"} << QStringList{"", "Pictures/"} << "";
        QTest::newRow("none") << QStringList() << QStringList{""} << "";
    }
    void theUserFoldersThatExistAreOffered()
    {
        QFETCH(QStringList, made);
        QFETCH(QStringList, offered);
        QFETCH(QString, firstStart);
        TemporaryFolder home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        const auto restore = qScopeGuard([&] { qputenv("HOME", realHome); });
        for (const QString &name : std::as_const(made))
            QVERIFY(QDir(home.path()).mkdir(name));

        QStringList paths;
        for (const UserFolders::Folder &folder : UserFolders::existing()) {
            QVERIFY(!folder.name.isEmpty());
            paths.append(folder.path.mid(home.path().size() + 1));
            // Each user folder goes by its own name, as the desktop shows it: "Videos", not "Movies".
            if (paths.size() > 1)
                QCOMPARE(folder.name + QLatin1Char('/'), paths.last());
        }
        QCOMPARE(paths, offered);
        QCOMPARE(UserFolders::firstStart(), home.path() + QLatin1Char('/') + firstStart);
    }
};

QObject *createPathsTest()
{
    return new TestPaths;
}

#include "tst_paths.moc"
