// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryListModel.h"
#include "browse/FileListController.h"
#include "core/EditListStore.h"
#include "core/FilePattern.h"
#include "core/MediaTypes.h"
#include "platform/FileIconProvider.h"
#include "platform/NativePath.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"
#include "support/TextRow.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <unistd.h>

namespace {

const FilePattern &mediaPattern()
{
    static const FilePattern pattern(MediaTypes().filePattern(false));
    return pattern;
}

// Lists the folder and waits for its entries; whether the folder could be read.
bool listed(FileListController &list, const QString &folder, const FilePattern &pattern)
{
    QSignalSpy done(&list, &FileListController::listed);
    list.listFolder(folder, pattern);
    return (!done.isEmpty() || done.wait(10000)) && done.first().first().toBool();
}

} // namespace

class TestFileList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsParentFoldersThenFilesInNameOrder()
    {
        TemporaryFolder dir;
        QDir root(dir.path());
        for (const char *folder : {"x.mp3", "Beta", "alpha", ".hidden"})
            root.mkdir(QLatin1String(folder));
        for (const char *file :
             {"song.MP3", "movie.Mpeg", "readme.txt", "b.wav", ".secret.mp3", "name with\nnewline.wav"})
            touch(dir.filePath(QLatin1String(file)));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("alpha")),
                            dir.filePath(QStringLiteral("link to alpha"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.mp3")),
                            dir.filePath(QStringLiteral("broken.mp3"))));
        const QByteArray invalid = QFile::encodeName(dir.path()) + "/bad\xff name.wav";
        ::close(::creat(invalid.constData(), 0644));

        EntryListModel model;
        EditListStore store;
        FileIconProvider icons;
        model.setIconProvider(&icons);
        FileListController list(model, store, &icons);
        QVERIFY(listed(list, dir.path(), mediaPattern()));
        QStringList shown = model.texts();
        QCOMPARE(shown.mid(0, 5), QStringList({"..", "alpha", "Beta", "link to alpha", "x.mp3"}));
        QCOMPARE(model.kind(4), ListEntry::Kind::Folder);
        QVERIFY(shown.contains(QStringLiteral("song.MP3")));
        QVERIFY(shown.contains(QStringLiteral("name with\nnewline.wav")));
        QVERIFY(!shown.contains(QStringLiteral("readme.txt")));
        QVERIFY(!shown.contains(QStringLiteral(".secret.mp3")));
        QVERIFY(!shown.contains(QStringLiteral("broken.mp3")));
        // The name that is not valid UTF-8 is listed as far as it can be shown.
        QVERIFY(std::any_of(shown.cbegin(), shown.cend(),
                            [](const QString &s) { return s.startsWith(QLatin1String("bad")); }));
        QCOMPARE(shown.size(), 5 + 5);
        QCOMPARE(list.folder(), dir.path() + QLatin1Char('/'));
        // Every entry has an icon; the folders share one.
        QCOMPARE(model.data(model.index(1), EntryListModel::IconIndexRole), QVariant(icons.folderIndex()));
        QVERIFY(!model.data(model.index(6), Qt::DecorationRole).value<QIcon>().isNull());
    }

    void namesThatAreNotUtf8KeepTheirBytes()
    {
        TemporaryFolder dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + '/';
        for (const char *name : {"bad\xff.wav", "bad\xef\xbf\xbd.wav", "caf\xe9.mp3", "\x80lone.mp3"})
            ::close(::creat((folder + name).constData(), 0644));
        EntryListModel model;
        EditListStore store;
        FileListController list(model, store);
        QVERIFY(listed(list, dir.path(), mediaPattern()));
        QCOMPARE(model.count(), 5);
        QSet<QByteArray> paths;
        for (int i = 1; i < model.count(); ++i) {
            const QByteArray bytes = NativePath::toBytes(list.fullPath(i));
            QVERIFY(::access(bytes.constData(), F_OK) == 0);
            paths.insert(bytes);
            list.addToEditList(i);
        }
        QCOMPARE(paths.size(), 4);
        QCOMPARE(store.count(), 4);
        // Two of the names look alike on screen, and only there.
        QCOMPARE(model.data(model.index(1)).toString(), model.data(model.index(2)).toString());
        QVERIFY(model.text(1) != model.text(2));
    }

    void namesWithACarriageReturnStayOffTheEditList()
    {
        TemporaryFolder dir;
        touch(dir.filePath(QStringLiteral("a\rb.mp3")));
        touch(dir.filePath(QStringLiteral("c.mp3")));
        EntryListModel model;
        EditListStore store;
        FileListController list(model, store);
        QVERIFY(listed(list, dir.path(), mediaPattern()));
        QCOMPARE(list.addToEditList(model.findItem(QStringLiteral("a\rb.mp3"))),
                 QStringList{dir.filePath(QStringLiteral("a\rb.mp3"))});
        QCOMPARE(list.addAllToEditList(QString()), QStringList{dir.filePath(QStringLiteral("a\rb.mp3"))});
        QCOMPARE(store.entries(), QStringList{dir.filePath(QStringLiteral("c.mp3"))});
        QVERIFY(!model.isOnEditList(model.findItem(QStringLiteral("a\rb.mp3"))));
    }

    void emptyMissingAndRootFolders()
    {
        TemporaryFolder dir;
        EntryListModel model;
        EditListStore store;
        FileListController list(model, store);
        QVERIFY(listed(list, dir.path(), mediaPattern()));
        QCOMPARE(model.texts(), QStringList{".."});
        QVERIFY(!listed(list, dir.filePath(QStringLiteral("vanished")), mediaPattern()));
        QCOMPARE(model.texts(), QStringList{".."});
        QVERIFY(listed(list, QStringLiteral("/"), mediaPattern()));
        QCOMPARE(model.text(0), QStringLiteral(".."));
        list.listVolumes();
        QVERIFY(model.texts().contains(QStringLiteral("/")));
        QCOMPARE(model.kind(0), ListEntry::Kind::Volume);
    }

    void editListMarksAndCommands()
    {
        TemporaryFolder dir;
        for (const char *file : {"a.mp3", "b.wav", "c.mp3", "d.jpg"})
            touch(dir.filePath(QLatin1String(file)));
        QDir(dir.path()).mkdir(QStringLiteral("sub.mp3"));
        const QString folder = dir.path() + QLatin1Char('/');
        EntryListModel model;
        EditListStore store;
        store.append(folder + QStringLiteral("b.wav"));
        FileListController list(model, store);
        listed(list, dir.path(), mediaPattern());
        QCOMPARE(model.texts(), QStringList({"..", "sub.mp3", "a.mp3", "b.wav", "c.mp3", "d.jpg"}));
        QVERIFY(list.marked(3));
        QVERIFY(!list.marked(2));

        list.addToEditList(2);
        list.addToEditList(2);
        list.addToEditList(0);
        list.addToEditList(1);
        QCOMPARE(store.entries(), QStringList({folder + "b.wav", folder + "a.mp3"}));
        list.addAllToEditList(QStringLiteral("*.MP3"));
        QCOMPARE(store.entries(), QStringList({folder + "b.wav", folder + "a.mp3", folder + "c.mp3"}));
        QCOMPARE(list.editListIndex(QStringLiteral("c.mp3")), std::optional<int>(2));
        QCOMPARE(list.editListIndex(QStringLiteral("d.jpg")), std::nullopt);

        list.removeFromEditList(3);
        QVERIFY(!list.marked(3));
        // Removing all unmarks at once; the EditList loses the entries a moment later.
        QSignalSpy removed(&list, &FileListController::editListChanged);
        list.removeAllFromEditList(QStringLiteral("*.mp3"));
        QVERIFY(!list.marked(2) && !list.marked(4));
        QVERIFY(removed.wait());
        QVERIFY(store.isEmpty());
        list.addAllToEditList(QString());
        QCOMPARE(store.count(), 4);
        list.removeAllFromEditList(QStringLiteral("*.*"));
        // An entry added while the others leave stays.
        store.append(folder + QStringLiteral("elsewhere.mp3"));
        QVERIFY(removed.wait());
        QCOMPARE(store.entries(), QStringList{folder + QStringLiteral("elsewhere.mp3")});
        list.addAllToEditList(QString());
        list.removeAllFromEditList(QString());
        list.finishEditListChanges();
        QCOMPARE(store.entries(), QStringList{folder + QStringLiteral("elsewhere.mp3")});
    }

    void addRemovePatternRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("passes");
        textRow("empty", {"a.txt", ""}) << true;
        textRow("all", {"a.txt", "*.*"}) << true;
        textRow("extension", {"a.MP3", "*.mp3"}) << true;
        textRow("other extension", {"a.wav", "*.mp3"}) << false;
        textRow("longer extension", {"a.mpeg", "*.mpg"}) << false;
    }
    void addRemovePatternRule()
    {
        QFETCH(QString, name);
        QFETCH(QString, pattern);
        QFETCH(bool, passes);
        QCOMPARE(FileListController::passesPattern(name, pattern), passes);
    }

    void selectionAfterADeletion_data()
    {
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("selected");
        QTest::newRow("next moves up") << QStringList{"..", "a", "c"} << 1 << 1;
        QTest::newRow("last, file before") << QStringList{"..", "a", "b"} << 3 << 2;
        QTest::newRow("last, folder before") << QStringList{"..", "dir"} << 2 << -1;
        QTest::newRow("last, parent before") << QStringList{".."} << 1 << -1;
        QTest::newRow("only entry") << QStringList{} << 0 << -1;
    }
    void selectionAfterADeletion()
    {
        QFETCH(QStringList, left);
        QFETCH(int, removed);
        QFETCH(int, selected);
        EntryListModel model;
        for (const QString &text : left) {
            const ListEntry::Kind kind = text == QLatin1String("..")    ? ListEntry::Kind::Parent
                                         : text == QLatin1String("dir") ? ListEntry::Kind::Folder
                                                                        : ListEntry::Kind::File;
            model.addItem(text, kind);
        }
        QCOMPARE(FileListController::indexAfterRemoval(model, removed), selected);
    }
};

QObject *createFileListTest()
{
    return new TestFileList;
}

#include "tst_filelist.moc"
