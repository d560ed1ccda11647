// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EditListFile.h"
#include "core/EditListStore.h"
#include "core/SessionAutosave.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QSet>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

class TestEditList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void membershipFollowsDuplicatesAndRemovals()
    {
        EditListStore store;
        store.append(QStringLiteral("/a"));
        store.append(QStringLiteral("/b"));
        store.append(QStringLiteral("/a"));
        QCOMPARE(store.count(), 3);
        store.removeAt(0);
        QVERIFY(store.contains(QStringLiteral("/a")));
        store.removeAt(1);
        QVERIFY(!store.contains(QStringLiteral("/a")));
        QVERIFY(store.contains(QStringLiteral("/b")));
        store.removeAt(5);
        QCOMPARE(store.entries(), QStringList{QStringLiteral("/b")});
    }

    void loadingAppendsEveryNonEmptyLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("files.ini"));
        writeBytes(path, "/m/a.mp3\r\n\r\n/m/b.mp3  \r\n/m/a.mp3\r\n\r\n");
        EditListStore store;
        store.append(QStringLiteral("/already"));
        QVERIFY(EditListFile::load(store, path).isEmpty());
        QCOMPARE(store.entries(), QStringList({"/already", "/m/a.mp3", "/m/b.mp3  ", "/m/a.mp3"}));
    }

    void missingFileLoadsNothing()
    {
        QTemporaryDir dir;
        EditListStore store;
        QVERIFY(EditListFile::load(store, dir.filePath(QStringLiteral("files.ini"))).isEmpty());
        QVERIFY(store.isEmpty());
    }

    void savingAnEmptyListRemovesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("files.ini"));
        EditListStore store;
        store.append(QStringLiteral("/m/a b.mp3"));
        store.append(QStringLiteral("/m/c.wav"));
        QVERIFY(EditListFile::save(store, path).isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("/m/a b.mp3\r\n/m/c.wav\r\n"));
        file.close();

        store.clear();
        QVERIFY(EditListFile::save(store, path).isEmpty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(EditListFile::save(store, path).isEmpty());
    }

    void removingTakesOutOneOfEach_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("a few") << QStringList{"/a", "/b", "/a", "/c"} << QStringList{"/a"}
                               << QStringList{"/b", "/a", "/c"};
        QTest::newRow("most of the list") << QStringList{"/a", "/b", "/a", "/c", "/d"}
                                          << QStringList{"/a", "/b", "/c", "/d"} << QStringList{"/a"};
        QTest::newRow("all, and one not listed")
            << QStringList{"/a", "/b"} << QStringList{"/a", "/b", "/x"} << QStringList();
    }
    void removingTakesOutOneOfEach()
    {
        QFETCH(QStringList, list);
        QFETCH(QStringList, paths);
        QFETCH(QStringList, kept);
        EditListStore store;
        for (const QString &path : list)
            store.append(path);
        store.removeOneOfEach(QSet<QString>(paths.cbegin(), paths.cend()));
        QCOMPARE(store.entries(), kept);
        for (const QString &path : list + paths)
            QCOMPARE(store.contains(path), kept.contains(path));
        QCOMPARE(store.indexOf(QStringLiteral("/a")), kept.indexOf(QStringLiteral("/a")));
    }

    // Each second the settings are saved; a list file is written only after its entries changed,
    // and only once for any number of changes in between.
    void autosaveWritesTheListsThatChanged_data()
    {
        QTest::addColumn<std::function<void(EditListStore &, QStringListModel &)>>("change");
        QTest::addColumn<int>("editListSaves");
        QTest::addColumn<int>("playlistSaves");
        using Change = std::function<void(EditListStore &, QStringListModel &)>;
        QTest::newRow("nothing") << Change([](EditListStore &, QStringListModel &) {}) << 0 << 0;
        QTest::newRow("two entries added") << Change([](EditListStore &list, QStringListModel &) {
            list.append(QStringLiteral("/m/a.wav"));
            list.append(QStringLiteral("/m/b.wav"));
        }) << 1 << 0;
        QTest::newRow("an entry taken off")
            << Change([](EditListStore &list, QStringListModel &) { list.removeAt(0); }) << 1 << 0;
        QTest::newRow("the list cleared")
            << Change([](EditListStore &list, QStringListModel &) { list.clear(); }) << 1 << 0;
        QTest::newRow("entries taken off by path") << Change([](EditListStore &list, QStringListModel &) {
            list.removeOneOfEach({QStringLiteral("/m/first.wav")});
        }) << 1 << 0;
        QTest::newRow("a playlist entry added")
            << Change([](EditListStore &, QStringListModel &playlist) { playlist.insertRows(0, 1); }) << 0
            << 1;
        QTest::newRow("the playlist replaced") << Change([](EditListStore &, QStringListModel &playlist) {
            playlist.setStringList({QStringLiteral("/m/c.wav")});
        }) << 0 << 1;
        QTest::newRow("both") << Change([](EditListStore &list, QStringListModel &playlist) {
            list.append(QStringLiteral("/m/a.wav"));
            playlist.removeRows(0, 1);
        }) << 1 << 1;
    }

    void autosaveWritesTheListsThatChanged()
    {
        QFETCH(std::function<void(EditListStore &, QStringListModel &)>, change);
        QFETCH(int, editListSaves);
        QFETCH(int, playlistSaves);
        EditListStore editList;
        editList.append(QStringLiteral("/m/first.wav"));
        QStringListModel playlist({QStringLiteral("/m/listed.wav")});
        int settingsSaved = 0;
        int editListSaved = 0;
        int playlistSaved = 0;
        SessionAutosave autosave(
            {[&] { ++settingsSaved; }, [&] { ++editListSaved; }, [&] { ++playlistSaved; }}, editList,
            playlist);
        change(editList, playlist);
        autosave.saveChanges();
        autosave.saveChanges();
        QCOMPARE(settingsSaved, 2);
        QCOMPARE(editListSaved, editListSaves);
        QCOMPARE(playlistSaved, playlistSaves);
    }

    // Saving runs by itself while the program runs, and takes in changes kept elsewhere (the
    // EditList window's working copy) before it looks for what changed.
    void autosaveRunsEachIntervalWithChangesCollected()
    {
        EditListStore editList;
        QStringListModel playlist;
        int editListSaved = 0;
        bool collected = false;
        const auto collect = [&] {
            if (!std::exchange(collected, true))
                editList.append(QStringLiteral("/m/a.wav"));
        };
        SessionAutosave autosave({[] {}, [&] { ++editListSaved; }, [] {}, collect}, editList, playlist);
        QTRY_COMPARE_WITH_TIMEOUT(editListSaved, 1, 3 * SessionAutosave::IntervalMs);
    }
};

QObject *createEditListTest()
{
    return new TestEditList;
}

#include "tst_editlist.moc"
