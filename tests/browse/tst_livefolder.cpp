// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileListController.h"
#include "browse/FolderTree.h"
#include "core/EditListStore.h"
#include "core/FilePattern.h"
#include "core/FolderChange.h"
#include "platform/NativePath.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>

namespace {

using Kind = ListEntry::Kind;

const FilePattern &songs()
{
    static const FilePattern pattern(QStringLiteral("*.mp3;*.wav"));
    return pattern;
}

// A list showing a folder, with a view over it as the window has.
struct ShownFolder
{
    explicit ShownFolder(const QString &path) : folder(path + QLatin1Char('/'))
    {
        list.listFolder(folder, songs());
    }
    bool waitListed()
    {
        return QTest::qWaitFor([this] { return !list.isListing(); }, 10000);
    }
    QString file(const char *name) const { return folder + QLatin1String(name); }

    QString folder;
    EditListStore store;
    EntryListView view;
    EntryListModel &model = *view.items();
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
    FileListController list{model, store};
};

} // namespace

class TestLiveFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changesBetweenReads_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QList<int>>("removed");
        QTest::addColumn<QStringList>("runs");

        QTest::newRow("nothing") << QStringList{"..", "d/", "a", "b"} << QStringList{"d"}
                                 << QStringList{"a", "b"} << QList<int>{} << QStringList{};
        QTest::newRow("a file put in between")
            << QStringList{"..", "a", "c"} << QStringList{} << QStringList{"a", "b", "c"} << QList<int>{}
            << QStringList{"2:b"};
        QTest::newRow("files taken away") << QStringList{"..", "a", "b", "c", "d"} << QStringList{}
                                          << QStringList{"a", "d"} << QList<int>{2, 3} << QStringList{};
        QTest::newRow("a rename") << QStringList{"..", "a", "b"} << QStringList{} << QStringList{"a", "c"}
                                  << QList<int>{2} << QStringList{"2:c"};
        QTest::newRow("a folder before the files")
            << QStringList{"..", "a"} << QStringList{"new"} << QStringList{"a"} << QList<int>{}
            << QStringList{"1:new/"};
        QTest::newRow("a file becomes a folder") << QStringList{"..", "x"} << QStringList{"x"}
                                                 << QStringList{} << QList<int>{1} << QStringList{"1:x/"};
        QTest::newRow("runs at both ends")
            << QStringList{"..", "m"} << QStringList{} << QStringList{"a", "b", "m", "y", "z"} << QList<int>{}
            << QStringList{"1:a,b", "4:y,z"};
        QTest::newRow("an empty list") << QStringList{} << QStringList{} << QStringList{"a"} << QList<int>{}
                                       << QStringList{"0:..", "1:a"};
        QTest::newRow("rows out of order") << QStringList{"..", "b", "a"} << QStringList{}
                                           << QStringList{"a", "b"} << QList<int>{} << QStringList{"whole"};
    }
    void changesBetweenReads()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, folders);
        QFETCH(QStringList, files);
        QFETCH(QList<int>, removed);
        QFETCH(QStringList, runs);
        QStringList rows;
        QList<Kind> kinds;
        for (const QString &row : before) {
            kinds.append(row == QLatin1String("..")       ? Kind::Parent
                         : row.endsWith(QLatin1Char('/')) ? Kind::Folder
                                                          : Kind::File);
            rows.append(row.endsWith(QLatin1Char('/')) ? row.chopped(1) : row);
        }
        const FolderChange change = FolderChange::between(rows, kinds, {folders, files, true});
        QStringList given;
        for (const FolderChange::Insertion &run : change.inserted) {
            const QString suffix = run.kind == Kind::Folder ? QStringLiteral("/") : QString();
            given.append(QString::number(run.row) + QLatin1Char(':') +
                         run.texts.join(suffix + QLatin1Char(',')) + suffix);
        }
        if (change.whole)
            given.append(QStringLiteral("whole"));
        QCOMPARE(change.removed, removed);
        QCOMPARE(given, runs);
    }

    void batchesGoWhereTheyBelong_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("places");
        QTest::addColumn<bool>("files");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("folders around those listed")
            << 1 << 2 << QStringList{"a", "c", "e"} << QList<int>{0, 1, 2} << false
            << QStringList{"..", "a", "b", "c", "d", "e", "x.mp3", "z.mp3"};
        QTest::newRow("folders after those listed")
            << 1 << 2 << QStringList{"e", "f"} << QList<int>{} << false
            << QStringList{"..", "b", "d", "e", "f", "x.mp3", "z.mp3"};
        QTest::newRow("files ahead of those listed")
            << 3 << 2 << QStringList{"v.mp3", "w.mp3"} << QList<int>{0, 0} << true
            << QStringList{"..", "b", "d", "v.mp3", "w.mp3", "x.mp3", "z.mp3"};
        QTest::newRow("files among those listed")
            << 3 << 2 << QStringList{"w.mp3", "y.mp3", "zz.mp3"} << QList<int>{0, 1, 2} << true
            << QStringList{"..", "b", "d", "w.mp3", "x.mp3", "y.mp3", "z.mp3", "zz.mp3"};
    }
    void batchesGoWhereTheyBelong()
    {
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, places);
        QFETCH(bool, files);
        QFETCH(QStringList, after);
        EntryListView view;
        EntryListModel &model = *view.items();
        QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
        model.addItem(QStringLiteral(".."), Kind::Parent);
        model.addItems({QStringLiteral("b"), QStringLiteral("d")}, Kind::Folder);
        model.addItems({QStringLiteral("x.mp3"), QStringLiteral("z.mp3")}, Kind::File);
        view.setCurrentRow(2);
        model.setOnEditList(3, true);
        model.setPlaying(3);
        model.mergeItems(first, count, texts, places, files ? Kind::File : Kind::Folder, -1);
        QCOMPARE(model.texts(), after);
        for (int row = 1; row < model.count(); ++row)
            QCOMPARE(model.kind(row),
                     model.text(row).endsWith(QLatin1String(".mp3")) ? Kind::File : Kind::Folder);
        // The current entry, the marks and the playing entry stay with their entries.
        QCOMPARE(model.text(view.currentRow()), QStringLiteral("d"));
        QCOMPARE(model.text(model.playing()), QStringLiteral("x.mp3"));
        for (int row = 0; row < model.count(); ++row)
            QCOMPARE(model.isOnEditList(row), row == model.playing());
    }

    void aLongFolderStreamsIntoTheList()
    {
        // Enough entries for several batches, made in an order unlike the list's.
        TemporaryFolder dir;
        QStringList names;
        for (int i = 0; i < 4 * int(FolderReader::FirstBatch); ++i) {
            const QString name =
                QStringLiteral("%1 song.mp3").arg((i * 7919) % 10007, 5, 10, QLatin1Char('0'));
            touch(dir.filePath(name));
            names.append(name);
        }
        for (int i = 0; i < 300; ++i)
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder %1").arg((i * 131) % 307)));
        EditListStore store;
        EntryListView view;
        EntryListModel &model = *view.items();
        QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
        FileListController list{model, store};
        for (int i = 0; i < names.size(); i += 3)
            store.append(dir.filePath(names.at(i)));
        QSignalSpy listed(&list, &FileListController::listed);
        QSignalSpy moved(&model, &QAbstractItemModel::layoutChanged);
        // The entry a person chooses among the first rows shown stays chosen as the rest come.
        QString chosen;
        connect(&model, &QAbstractItemModel::rowsInserted, this, [&] {
            if (chosen.isEmpty() && list.isListing() && model.count() > 2) {
                view.setCurrentRow(model.count() - 1);
                chosen = model.text(model.count() - 1);
            }
        });
        list.listFolder(dir.path(), songs());
        QVERIFY(listed.wait(20000));
        QVERIFY(!chosen.isEmpty());
        QVERIFY(!moved.isEmpty());
        QCOMPARE(listed.count(), 1);
        const FolderReader::Contents whole = FolderReader::read(dir.path(), songs());
        QCOMPARE(model.texts(), QStringList{".."} + whole.folders + whole.files);
        QCOMPARE(model.text(view.currentRow()), chosen);
        for (int row = 1 + int(whole.folders.size()); row < model.count(); ++row)
            QCOMPARE(model.isOnEditList(row), store.contains(list.fullPath(row)));
    }

    void theListFollowsWhatAnotherProgramDoes_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("created") << "create" << QStringList{"..", "a.mp3", "b.mp3", "c.mp3", "d.mp3"};
        QTest::newRow("removed") << "remove" << QStringList{"..", "b.mp3", "d.mp3"};
        QTest::newRow("renamed") << "rename" << QStringList{"..", "b.mp3", "d.mp3", "e.wav"};
        QTest::newRow("a folder made") << "mkdir" << QStringList{"..", "new", "b.mp3", "d.mp3"};
        QTest::newRow("a burst") << "burst" << QStringList{};
    }
    void theListFollowsWhatAnotherProgramDoes()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, after);
        TemporaryFolder dir;
        for (const char *name : {"b.mp3", "d.mp3", "x.txt"})
            touch(dir.filePath(QLatin1String(name)));
        ShownFolder shown(dir.path());
        shown.store.append(shown.file("d.mp3"));
        QVERIFY(shown.waitListed());
        QCOMPARE(shown.model.texts(), QStringList({"..", "b.mp3", "d.mp3"}));
        QVERIFY(shown.model.isOnEditList(2));
        shown.view.setCurrentRow(2);
        shown.model.setPlaying(2);

        if (action == QLatin1String("create")) {
            touch(shown.file("c.mp3"));
            touch(shown.file("a.mp3"));
        } else if (action == QLatin1String("remove")) {
            touch(shown.file("gone.mp3"));
            QTRY_COMPARE(shown.model.count(), 4);
            QVERIFY(QFile::remove(shown.file("gone.mp3")));
        } else if (action == QLatin1String("rename")) {
            QVERIFY(QFile::rename(shown.file("x.txt"), shown.file("e.wav")));
        } else if (action == QLatin1String("mkdir")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("new")));
        } else {
            after = QStringList{QStringLiteral(".."), QStringLiteral("b.mp3")};
            for (int i = 0; i < 2000; ++i) {
                const QString name = QStringLiteral("burst %1.wav").arg(i, 4, 10, QLatin1Char('0'));
                touch(shown.file(name.toUtf8().constData()));
                after.append(name);
            }
            after.append(QStringLiteral("d.mp3"));
        }
        QTRY_COMPARE_WITH_TIMEOUT(shown.model.texts(), after, 10000);
        // The current entry, its mark and the playing mark stay with the entry.
        const int row = shown.model.findItem(QStringLiteral("d.mp3"));
        QCOMPARE(shown.view.currentRow(), row);
        QVERIFY(shown.model.isOnEditList(row));
        QCOMPARE(shown.model.playing(), row);
        QVERIFY(!shown.model.isOnEditList(shown.model.findItem(QStringLiteral("b.mp3"))));
    }

    void namesThatAreNotUtf8ComeWithTheirBytes()
    {
        TemporaryFolder dir;
        ShownFolder shown(dir.path());
        QVERIFY(shown.waitListed());
        const QByteArray path = QFile::encodeName(dir.path()) + "/caf\xe9.mp3";
        writeNative(path);
        QTRY_COMPARE(shown.model.count(), 2);
        QCOMPARE(NativePath::toBytes(shown.list.fullPath(1)), path);
        QVERIFY(::remove(path.constData()) == 0);
        QTRY_COMPARE(shown.model.count(), 1);
    }

    void theFolderShownGoingAwayIsSaid_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("removed") << "remove";
        // The kernel tells nothing of the folder itself while a file in it is open.
        QTest::newRow("removed while a song in it is open") << "remove open";
        // Nor does the watch on a folder renamed away.
        QTest::newRow("renamed away") << "rename";
    }
    void theFolderShownGoingAwayIsSaid()
    {
        QFETCH(QString, how);
        TemporaryFolder dir;
        const QString inner = dir.filePath(QStringLiteral("inner"));
        QVERIFY(QDir().mkpath(inner));
        touch(inner + QStringLiteral("/song.mp3"));
        ShownFolder shown(inner);
        QVERIFY(shown.waitListed());
        QSignalSpy vanished(&shown.list, &FileListController::folderVanished);
        QFile song(inner + QStringLiteral("/song.mp3"));
        if (how == QLatin1String("remove open"))
            QVERIFY(song.open(QIODevice::ReadOnly));
        if (how == QLatin1String("rename"))
            QVERIFY(QDir(dir.path()).rename(QStringLiteral("inner"), QStringLiteral("elsewhere")));
        else
            QVERIFY(QDir(inner).removeRecursively());
        QVERIFY(vanished.wait(5000));
        QCOMPARE(vanished.first().first().toString(), inner + QLatin1Char('/'));
        QVERIFY(!shown.list.isFollowing(inner + QLatin1Char('/'), songs()));
    }

    void theTreeFollowsItsOpenFolders()
    {
        TemporaryFolder dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a/inner")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("c")));
        FolderTree tree;
        tree.show();
        QSignalSpy selected(&tree, &FolderTree::folderSelected);
        QVERIFY(tree.setSelectedPath(dir.filePath(QStringLiteral("a"))));
        const QTreeWidgetItem *shown = tree.currentItem()->parent();
        const auto children = [shown] {
            QStringList names;
            for (int i = 0; i < shown->childCount(); ++i)
                names.append(shown->child(i)->text(0));
            return names;
        };
        QCOMPARE(children(), QStringList({"a", "c"}));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("b")));
        QTRY_COMPARE(children(), QStringList({"a", "b", "c"}));
        QVERIFY(QDir(dir.path()).rename(QStringLiteral("c"), QStringLiteral("d")));
        QTRY_COMPARE(children(), QStringList({"a", "b", "d"}));
        // The folder selected going away chooses no other folder: the file list moves on by itself.
        const qsizetype before = selected.count();
        QVERIFY(QDir(dir.filePath(QStringLiteral("a"))).removeRecursively());
        QTRY_COMPARE(children(), QStringList({"b", "d"}));
        QCOMPARE(selected.count(), before);
    }

    void aListingOfAnotherFolderDropsTheOneUnderWay()
    {
        TemporaryFolder dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("one")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("two")));
        touch(dir.filePath(QStringLiteral("one/first.mp3")));
        touch(dir.filePath(QStringLiteral("two/second.mp3")));
        ShownFolder shown(dir.filePath(QStringLiteral("one")));
        QSignalSpy listed(&shown.list, &FileListController::listed);
        shown.list.listFolder(dir.filePath(QStringLiteral("two/")), songs());
        QVERIFY(shown.waitListed());
        QCOMPARE(shown.model.texts(), QStringList({"..", "second.mp3"}));
        // Nothing of the folder left comes later.
        QTest::qWait(100);
        QCOMPARE(listed.count(), 1);
        QCOMPARE(shown.model.texts(), QStringList({"..", "second.mp3"}));
    }
};

QObject *createLiveFolderTest()
{
    return new TestLiveFolder;
}

#include "tst_livefolder.moc"
