// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EditListFile.h"
#include "core/EditListStore.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

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
};

QObject *createEditListTest()
{
    return new TestEditList;
}

#include "tst_editlist.moc"
