#include "AddRem.h"
#include "ExtEdit.h"
#include "FilePattern.h"
#include "FolderListing.h"
#include "FolderTree.h"
#include "ListModel.h"
#include "MediaTypes.h"
#include "OwnerDrawList.h"
#include "PathProcedures.h"
#include "SystemImageList.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace PathProcedures;

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList texts(const QList<ListEntry> &entries)
{
    QStringList result;
    for (const ListEntry &entry : entries)
        result.append(entry.text);
    return result;
}

} // namespace

class TestBrowse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void patternListsTheTypesInRowOrder()
    {
        MediaTypes types;
        QCOMPARE(types.filePattern(false),
                 QStringLiteral("*.wav;*.voc;*.mp3;*.avi;*.mid;*.mpg;*.mpeg;*.mov;*.mod;*.xm;*.s3m;*.it;"
                                "*.wma;*.asf;*.dat;*.jpg;*.gif;*.bmp;*.wmf;*.cur;*.ico"));
        QCOMPARE(types.filePattern(true), QStringLiteral("*.*"));
    }

    void pictureTestLooksAtTheLastThreeCharacters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("picture");
        QTest::newRow("upper jpg") << "x.JPG" << true;
        QTest::newRow("ico") << "x.ico" << true;
        QTest::newRow("jpeg is not") << "photo.jpeg" << false;
        QTest::newRow("no dot") << "fakejpg" << true;
        QTest::newRow("mpeg") << "clip.mpeg" << false;
        QTest::newRow("wav") << "a.wav" << false;
        QTest::newRow("short") << "jp" << false;
    }
    void pictureTestLooksAtTheLastThreeCharacters()
    {
        QFETCH(QString, name);
        QFETCH(bool, picture);
        QCOMPARE(MediaTypes().isPicture(name), picture);
    }

    void patternMatchesWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        const QString media = MediaTypes().filePattern(false);
        QTest::newRow("upper mp3") << media << "song.MP3" << true;
        QTest::newRow("mixed mpeg") << media << "movie.Mpeg" << true;
        QTest::newRow("txt") << media << "readme.txt" << false;
        QTest::newRow("jpeg") << media << "photo.jpeg" << false;
        QTest::newRow("double ext") << media << "a.txt.wav" << true;
        QTest::newRow("mp3 inside") << media << "a.mp3.txt" << false;
        QTest::newRow("all, no ext") << "*.*"
                                     << "README" << true;
        QTest::newRow("all, dotfile") << "*.*"
                                      << ".hidden" << true;
        QTest::newRow("question mark") << "a?.wav"
                                       << "ab.WAV" << true;
        QTest::newRow("question mark miss") << "a?.wav"
                                            << "abc.wav" << false;
        QTest::newRow("empty pattern") << ""
                                       << "a.wav" << false;
    }
    void patternMatchesWithoutRegardToCase()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(FilePattern(pattern).matches(name), matches);
    }

    void pathProcedures_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("FolderOf file") << "FolderOf"
                                       << "/a/b/c.mp3"
                                       << "/a/b/";
        QTest::newRow("FolderOf trailing") << "FolderOf"
                                           << "/a/b/"
                                           << "/a/b/";
        QTest::newRow("FolderOf no separator") << "FolderOf"
                                               << "c.mp3"
                                               << "";
        QTest::newRow("FileNameOf") << "FileNameOf"
                                    << "/a/ b.mp3 "
                                    << "b.mp3";
        QTest::newRow("FileNameOf no separator") << "FileNameOf"
                                                 << " x "
                                                 << "x";
        QTest::newRow("ExtensionOf") << "ExtensionOf"
                                     << "/a/b.tar.gz"
                                     << "gz";
        QTest::newRow("ExtensionOf trailing dot") << "ExtensionOf"
                                                  << "/a/b."
                                                  << "";
        QTest::newRow("ExtensionOf none") << "ExtensionOf"
                                          << "/a/mylist"
                                          << "";
        QTest::newRow("ExtensionOf dot in folder") << "ExtensionOf"
                                                   << "/a.b/mylist"
                                                   << "";
        QTest::newRow("ExtensionOf with dot") << "ExtensionOfDot"
                                              << "mylist.txt"
                                              << ".txt";
        QTest::newRow("GetPrevPath") << "GetPrevPath"
                                     << "/a/b/"
                                     << "/a/";
        QTest::newRow("GetPrevPath no trailing") << "GetPrevPath"
                                                 << "/a/b"
                                                 << "/a/";
        QTest::newRow("GetPrevPath to root") << "GetPrevPath"
                                             << "/a/"
                                             << "/";
        QTest::newRow("GetPrevPath at root") << "GetPrevPath"
                                             << "/"
                                             << "";
        QTest::newRow("GetLastPath") << "GetLastPath"
                                     << "/a/b"
                                     << "b";
        QTest::newRow("GetLastPath trailing") << "GetLastPath"
                                              << "/a/b/"
                                              << "b/";
    }
    void pathProcedures()
    {
        QFETCH(QString, procedure);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QString actual;
        if (procedure == QLatin1String("FolderOf"))
            actual = FolderOf(input);
        else if (procedure == QLatin1String("FileNameOf"))
            actual = FileNameOf(input);
        else if (procedure == QLatin1String("ExtensionOf"))
            actual = ExtensionOf(input, false);
        else if (procedure == QLatin1String("ExtensionOfDot"))
            actual = ExtensionOf(input, true);
        else if (procedure == QLatin1String("GetPrevPath"))
            actual = GetPrevPath(input);
        else
            actual = GetLastPath(input);
        QCOMPARE(actual, expected);
    }

    void fullPathOfAnEntry()
    {
        QCOMPARE(GetFullPath(QStringLiteral("/m"), 3, QStringLiteral("a.mp3")), QStringLiteral("/m/a.mp3"));
        QCOMPARE(GetFullPath(QStringLiteral("/m/"), 0, QStringLiteral("..")), QStringLiteral("/m/"));
    }

    void existenceTestsTellFilesFromFolders()
    {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("a b.mp3")));
        QVERIFY(FileExists(dir.filePath(QStringLiteral("a b.mp3"))));
        QVERIFY(!FileExists(dir.path()));
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(dir.filePath(QStringLiteral("missing"))));
        QVERIFY(FolderExists(dir.path()));
        QVERIFY(FolderExists(dir.path() + QLatin1Char('/')));
        QVERIFY(!FolderExists(dir.filePath(QStringLiteral("a b.mp3"))));
        QVERIFY(!FolderExists(QString()));
        const QString before = QDir::currentPath();
        FolderExists(dir.path());
        QCOMPARE(QDir::currentPath(), before);
        QCOMPARE(FolderOf(dir.path()), dir.path() + QLatin1Char('/'));
    }

    void computerRootListsTheRootVolume()
    {
        const QList<ListEntry> entries = FolderListing::volumes();
        QVERIFY(!entries.isEmpty());
        QVERIFY(texts(entries).contains(QStringLiteral("/")));
        for (const ListEntry &entry : entries)
            QCOMPARE(entry.kind, ListEntry::Kind::Volume);
    }

    void findItemFollowsInsertsAndRemovals()
    {
        ListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.AddItems({"b", "a", "b", "c"});
        QCOMPARE(model.FindItem("b"), 0);
        QCOMPARE(model.FindItem("c"), 3);
        QCOMPARE(model.FindItem("B"), -1);
        model.InsertItem("c", 0);
        QCOMPARE(model.FindItem("c"), 0);
        QCOMPARE(model.FindItem("b"), 1);
        model.RemoveItem(1);
        QCOMPARE(model.FindItem("b"), 2);
        model.RemoveItem(2);
        QCOMPARE(model.FindItem("b"), -1);
        model.AddItem("b");
        QCOMPARE(model.FindItem("b"), model.ListCount() - 1);
        model.RemoveItem(99);
        model.Clear();
        QCOMPARE(model.FindItem("a"), -1);
        QCOMPARE(model.ListCount(), 0);
    }

    void sortedListsKeepAscendingTextOrder()
    {
        ListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.AddItem("zeta");
        model.setSorted(true);
        QCOMPARE(model.AddItem("Alpha"), 0);
        QCOMPARE(model.AddItem("beta"), 1);
        model.AddItems({"gamma", "Delta", "alpha"});
        QStringList texts;
        for (int i = 0; i < model.ListCount(); ++i)
            texts.append(model.List(i));
        QCOMPARE(texts, QStringList({"Alpha", "alpha", "beta", "Delta", "gamma", "zeta"}));
        QCOMPARE(model.FindItem("gamma"), 4);
        model.setSorted(false);
        QCOMPARE(model.AddItem("aaa"), 6);
    }

    void entryColoursAndKinds()
    {
        ListModel model;
        model.AddItem("..", ListEntry::Kind::Parent);
        model.AddItem("x.mp3", ListEntry::Kind::Folder);
        QCOMPARE(model.kind(0), ListEntry::Kind::Parent);
        QCOMPARE(model.kind(1), ListEntry::Kind::Folder);
        QCOMPARE(model.ItemForeColor(1), QColor(Qt::black));
        model.setItemForeColor(1, Qt::blue);
        QCOMPARE(model.data(model.index(1), Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::blue));
        model.setItemForeColor(1, QColor());
        QCOMPARE(model.ItemForeColor(1), QColor(Qt::black));
        QVERIFY(!model.data(model.index(0), Qt::BackgroundRole).isValid());
    }

    void selectionCallsOnTheList()
    {
        OwnerDrawList list;
        list.items()->AddItems({"a", "b", "c", "d"});
        list.resize(200, 300);
        list.show();
        QCOMPARE(list.ListIndex(), -1);
        list.setListIndex(2);
        QCOMPARE(list.ListIndex(), 2);
        QVERIFY(list.Selected(2));
        list.SelectRange(true, 0, 10);
        QVERIFY(list.Selected(0) && list.Selected(3));
        list.SelectRange(false, 1, 2);
        QVERIFY(list.Selected(0) && !list.Selected(1) && !list.Selected(2) && list.Selected(3));
        QCOMPARE(list.ItemFromPoint(list.visualRect(list.items()->index(1)).center()), 1);
        QCOMPARE(list.ItemFromPoint(QPoint(5, 290)), -1);
    }

    void iconIndexes()
    {
        SystemImageList icons;
        QCOMPARE(icons.ItemIndex(QStringLiteral("42")), 42);
        const int mp3 = icons.ItemIndex(QStringLiteral("/no/such/song.mp3"));
        QCOMPARE(icons.ItemIndex(QStringLiteral("/elsewhere/OTHER.MP3")), mp3);
        QCOMPARE(icons.ItemIndex(QStringLiteral("x.mp3")), mp3);
        QVERIFY(!icons.icon(mp3).isNull());
        QCOMPARE(icons.ItemIndex(QStringLiteral("/some/folder/")), icons.folderIndex());
        QCOMPARE(icons.ItemIndex(QStringLiteral("/a/file.unknownextension")), 0);
        QVERIFY(icons.icon(icons.count() + 5).isNull());
        const int count = icons.count();
        icons.ItemIndex(QStringLiteral("again.mp3"));
        QCOMPARE(icons.count(), count);
    }

    void folderTreeSpecialFolders()
    {
        QCOMPARE(FolderTree::GetSpcFolder(QStringLiteral("desktop")),
                 FolderTree::specialFolderText(FolderTree::DesktopDirectory));
        QCOMPARE(FolderTree::GetSpcFolder(QStringLiteral("COMPUTER")), QStringLiteral("MC"));
        QCOMPARE(FolderTree::GetSpcFolder(FolderTree::specialFolderText(FolderTree::Personal)),
                 FolderTree::specialFolderText(FolderTree::Personal));
        QVERIFY(FolderTree::GetSpcFolder(QStringLiteral("/tmp/")).isEmpty());
    }

    void folderTreeSelectsPathsAndIgnoresRightClicks()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("a/b c/d"));
        QDir(dir.path()).mkpath(QStringLiteral("other"));
        FolderTree tree;
        tree.resize(300, 400);
        tree.show();
        QSignalSpy selected(&tree, &FolderTree::folderSelected);
        const QString deep = dir.path() + QStringLiteral("/a/b c/d");
        QVERIFY(tree.setSelectedPath(deep));
        QCOMPARE(tree.selectedPath(), deep + QLatin1Char('/'));
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.last().first().toString(), deep + QLatin1Char('/'));
        QVERIFY(tree.setSelectedPath(QStringLiteral("computer")));
        QCOMPARE(selected.last().at(0).toString(), QString());
        QCOMPARE(selected.last().at(1).toString(), QStringLiteral("Computer"));
        QVERIFY(!tree.setSelectedPath(dir.path() + QStringLiteral("/missing")));

        // A right click moves the selection only while its menu is up, and opens nothing.
        QVERIFY(tree.setSelectedPath(dir.path() + QStringLiteral("/a")));
        QTreeWidgetItem *a = tree.currentItem();
        a->setExpanded(true);
        QTreeWidgetItem *other = a->parent()->child(a->parent()->indexOfChild(a) + 1);
        QVERIFY(other);
        QSignalSpy rightClicks(&tree, &FolderTree::rightClicked);
        const int before = int(selected.count());
        const QPoint point = tree.visualItemRect(other).center();
        QTest::mousePress(tree.viewport(), Qt::RightButton, {}, point);
        QTest::mouseRelease(tree.viewport(), Qt::RightButton, {}, point);
        QCOMPARE(rightClicks.count(), 1);
        QCOMPARE(selected.count(), before);
        QCOMPARE(tree.currentItem(), a);
    }

    void extEditKeepsChangesUnlessCancelled_data()
    {
        QTest::addColumn<QString>("closeWith");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Ok") << "Command1" << true;
        QTest::newRow("close box") << "close" << true;
        QTest::newRow("Cancel") << "Command2" << false;
        QTest::newRow("Esc") << "escape" << false;
    }
    void extEditKeepsChangesUnlessCancelled()
    {
        QFETCH(QString, closeWith);
        QFETCH(bool, kept);
        MediaTypes types;
        types.setDragDrop(0, true);
        ExtEdit dialog(types);
        dialog.show();
        auto *list = dialog.findChild<OwnerDrawList *>(QStringLiteral("List1"));
        QCOMPARE(list->items()->ListCount(), MediaTypes::Count);
        QVERIFY(list->Selected(0));
        QVERIFY(!list->Selected(2));
        list->setSelected(2, true);
        list->setSelected(15, true);

        if (closeWith == QLatin1String("close"))
            dialog.close();
        else if (closeWith == QLatin1String("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.findChild<QPushButton *>(closeWith)->click();

        QVERIFY(!dialog.isVisible());
        QCOMPARE(types.dragDrop(0), true);
        QCOMPARE(types.dragDrop(2), kept);
        QCOMPARE(types.dragDrop(15), kept);
        QCOMPARE(dialog.cancelled(), !kept);
    }

    void addRemGivesThePatternOrNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("first entry") << "Command1" << 0 << "*.*";
        QTest::newRow("mp3") << "Command1" << 3 << "*.mp3";
        QTest::newRow("last") << "Command1" << 21 << "*.ico";
        QTest::newRow("Cancel") << "Command2" << 3 << "";
        QTest::newRow("Esc") << "escape" << 3 << "";
        QTest::newRow("close box") << "close" << 3 << "";
    }
    void addRemGivesThePatternOrNothing()
    {
        QFETCH(QString, action);
        QFETCH(int, entry);
        QFETCH(QString, pattern);
        MediaTypes types;
        QString chosen = QStringLiteral("unset");
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<AddRem *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Add files to playlist"));
            auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("Combo1"));
            QCOMPARE(combo->count(), 22);
            QCOMPARE(combo->currentIndex(), 0);
            combo->setCurrentIndex(entry);
            if (action == QLatin1String("escape"))
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (action == QLatin1String("close"))
                dialog->close();
            else
                dialog->findChild<QPushButton *>(action)->click();
        });
        chosen = AddRem::choose(types, QStringLiteral("Add files to playlist"), nullptr);
        QCOMPARE(chosen, pattern);
    }
};

QTEST_MAIN(TestBrowse)
#include "tst_browse.moc"
