// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryDelegate.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileTypeChooser.h"
#include "browse/FolderTree.h"
#include "browse/ListThumbnails.h"
#include "browse/MediaTypeEditor.h"
#include "core/FilePattern.h"
#include "core/FolderChainReadAhead.h"
#include "core/FolderListing.h"
#include "core/MediaTypes.h"
#include "core/Paths.h"
#include "platform/FileIconProvider.h"
#include "support/TestFiles.h"
#include "support/TextRow.h"
#include "widgets/ReadableColour.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <QToolTip>
#include <mutex>
#include <thread>

using namespace Paths;

namespace {

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

    // Each row: a name, whether it is a picture and whether it is listed, with the modern types on.
    void modernTypesGoByTheirWholeExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("listed");
        QTest::newRow("png") << "a.PNG" << true << true;
        QTest::newRow("jpeg") << "photo.jpeg" << true << true;
        QTest::newRow("webp") << "b.webp" << true << true;
        QTest::newRow("svg") << "drawing.svg" << true << true;
        QTest::newRow("tif") << "scan.TIF" << true << true;
        QTest::newRow("tiff") << "scan.tiff" << true << true;
        QTest::newRow("mpeg stays a film") << "clip.mpeg" << false << true;
        QTest::newRow("flac") << "song.flac" << false << true;
        QTest::newRow("mkv") << "film.MKV" << false << true;
        QTest::newRow("classic jpg") << "x.jpg" << true << true;
        QTest::newRow("text") << "notes.txt" << false << false;
    }
    void modernTypesGoByTheirWholeExtension()
    {
        QFETCH(QString, name);
        QFETCH(bool, picture);
        QFETCH(bool, listed);
        MediaTypes types;
        const bool classic = FilePattern(types.filePattern(false)).matches(name);
        types.setModernTypes(true);
        QCOMPARE(types.isPicture(name), picture);
        QCOMPARE(FilePattern(types.filePattern(false)).matches(name), listed);
        // Off, the modern types are neither listed nor pictures; the classic rows are unchanged.
        types.setModernTypes(false);
        QCOMPARE(FilePattern(types.filePattern(false)).matches(name), classic);
        QCOMPARE(types.isPicture(name), name.endsWith(QStringLiteral(".jpg")));
        QCOMPARE(types.count(), MediaTypes::Count);
    }

    void pathProcedures_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        textRow("FolderOf file", {"FolderOf", "/a/b/c.mp3", "/a/b/"});
        textRow("FolderOf trailing", {"FolderOf", "/a/b/", "/a/b/"});
        textRow("FolderOf no separator", {"FolderOf", "c.mp3", ""});
        // Blanks belong to names: "/a/ b.mp3 " and "/a/b.mp3" are two files.
        textRow("FileNameOf keeps blanks", {"FileNameOf", "/a/ b.mp3 ", " b.mp3 "});
        textRow("FileNameOf no separator", {"FileNameOf", " x ", " x "});
        textRow("ExtensionOf", {"ExtensionOf", "/a/b.tar.gz", "gz"});
        textRow("ExtensionOf trailing dot", {"ExtensionOf", "/a/b.", ""});
        textRow("ExtensionOf none", {"ExtensionOf", "/a/mylist", ""});
        textRow("ExtensionOf dot in folder", {"ExtensionOf", "/a.b/mylist", ""});
        textRow("ExtensionOf with dot", {"ExtensionOfDot", "mylist.txt", ".txt"});
        textRow("GetPrevPath", {"GetPrevPath", "/a/b/", "/a/"});
        textRow("GetPrevPath no trailing", {"GetPrevPath", "/a/b", "/a/"});
        textRow("GetPrevPath to root", {"GetPrevPath", "/a/", "/"});
        textRow("GetPrevPath at root", {"GetPrevPath", "/", ""});
        textRow("GetLastPath", {"GetLastPath", "/a/b", "b"});
        textRow("GetLastPath trailing", {"GetLastPath", "/a/b/", "b/"});
    }
    void pathProcedures()
    {
        QFETCH(QString, procedure);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QString actual;
        if (procedure == QLatin1String("FolderOf"))
            actual = folderOf(input);
        else if (procedure == QLatin1String("FileNameOf"))
            actual = fileNameOf(input);
        else if (procedure == QLatin1String("ExtensionOf"))
            actual = extensionOf(input, false);
        else if (procedure == QLatin1String("ExtensionOfDot"))
            actual = extensionOf(input, true);
        else if (procedure == QLatin1String("GetPrevPath"))
            actual = parentFolder(input);
        else
            actual = lastComponent(input);
        QCOMPARE(actual, expected);
    }

    void fullPathOfAnEntry()
    {
        QCOMPARE(fullPath(QStringLiteral("/m"), 3, QStringLiteral("a.mp3")), QStringLiteral("/m/a.mp3"));
        QCOMPARE(fullPath(QStringLiteral("/m/"), 0, QStringLiteral("..")), QStringLiteral("/m/"));
    }

    void existenceTestsTellFilesFromFolders()
    {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("a b.mp3")));
        QVERIFY(fileExists(dir.filePath(QStringLiteral("a b.mp3"))));
        QVERIFY(!fileExists(dir.path()));
        QVERIFY(!fileExists(QString()));
        QVERIFY(!fileExists(dir.filePath(QStringLiteral("missing"))));
        QVERIFY(folderExists(dir.path()));
        QVERIFY(folderExists(dir.path() + QLatin1Char('/')));
        QVERIFY(!folderExists(dir.filePath(QStringLiteral("a b.mp3"))));
        QVERIFY(!folderExists(QString()));
        const QString before = QDir::currentPath();
        folderExists(dir.path());
        QCOMPARE(QDir::currentPath(), before);
        QCOMPARE(folderOf(dir.path()), dir.path() + QLatin1Char('/'));
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
        EntryListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.addItems({"b", "a", "b", "c"});
        QCOMPARE(model.findItem("b"), 0);
        QCOMPARE(model.findItem("c"), 3);
        QCOMPARE(model.findItem("B"), -1);
        model.insertItem("c", 0);
        QCOMPARE(model.findItem("c"), 0);
        QCOMPARE(model.findItem("b"), 1);
        model.removeItem(1);
        QCOMPARE(model.findItem("b"), 2);
        model.removeItem(2);
        QCOMPARE(model.findItem("b"), -1);
        model.addItem("b");
        QCOMPARE(model.findItem("b"), model.count() - 1);
        model.removeItem(99);
        model.clear();
        QCOMPARE(model.findItem("a"), -1);
        QCOMPARE(model.count(), 0);
    }

    void sortedListsKeepAscendingTextOrder()
    {
        EntryListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.addItem("zeta");
        model.setOnEditList(0, true);
        model.setSorted(true);
        QCOMPARE(model.addItem("Alpha"), 0);
        QCOMPARE(model.addItem("beta"), 1);
        model.addItems({"gamma", "Delta", "alpha"});
        QCOMPARE(model.texts(), QStringList({"Alpha", "alpha", "beta", "Delta", "gamma", "zeta"}));
        QCOMPARE(model.findItem("gamma"), 4);
        // Each entry keeps its state when others are merged in around it.
        QVERIFY(model.isOnEditList(5));
        QVERIFY(!model.isOnEditList(0) && !model.isOnEditList(4));
        model.setSorted(false);
        QCOMPARE(model.addItem("aaa"), 6);
    }

    void textsHandedOutOutliveTheList()
    {
        QStringList names;
        for (int i = 0; i < 100; ++i)
            names.append(QStringLiteral("/music/%1.mp3").arg(i));
        QStringList cleared;
        QStringList destroyed;
        {
            EntryListModel model;
            model.addItems(names);
            cleared = model.texts();
            model.clear();
            model.addItems(names);
            destroyed = model.texts();
        }
        QCOMPARE(cleared, names);
        QCOMPARE(destroyed, names);
    }

    void entryMeaningsBecomeColours()
    {
        struct Delegate : EntryDelegate
        {
            using EntryDelegate::initStyleOption;
        } delegate;
        EntryListModel model;
        QAbstractItemModelTester tester(&model);
        model.addItems({"..", "a.mp3", "b.mp3"});
        model.setOnEditList({1, 2}, true);
        model.setOnEditList(2, false);
        model.setMenuTarget(2);
        model.setMenuTarget(1);
        auto drawn = [&](int row) {
            QStyleOptionViewItem option;
            delegate.initStyleOption(&option, model.index(row));
            return std::pair(option.palette.color(QPalette::Text), option.backgroundBrush.color());
        };
        const QColor plain = QStyleOptionViewItem().palette.color(QPalette::Text);
        QCOMPARE(drawn(1), std::pair(EntryDelegate::EditListText, EntryDelegate::MenuTargetBackground));
        QCOMPARE(drawn(2).first, plain);
        QVERIFY(drawn(2).second != EntryDelegate::MenuTargetBackground);
        model.clearMenuTarget();
        QVERIFY(drawn(1).second != EntryDelegate::MenuTargetBackground);
        QVERIFY(model.isOnEditList(1) && !model.isOnEditList(2));
    }

    void entryColoursReadOnLightAndDarkThemes_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor(255, 255, 255) << QColor(0, 0, 0);
        QTest::newRow("breeze dark") << QColor(0x23, 0x26, 0x29) << QColor(0xfc, 0xfc, 0xfc);
        QTest::newRow("adwaita dark") << QColor(0x2d, 0x2d, 0x2d) << QColor(0xff, 0xff, 0xff);
        QTest::newRow("mid grey") << QColor(0x80, 0x80, 0x80) << QColor(0, 0, 0);
    }
    void entryColoursReadOnLightAndDarkThemes()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        struct Delegate : EntryDelegate
        {
            using EntryDelegate::initStyleOption;
        };
        EntryListModel model;
        model.addItems(
            {"plain", "listed", "menu", "playing", "listed and playing", "processed", "skipped", "failed"});
        model.setOnEditList({1, 4}, true);
        model.setMenuTarget(2);
        model.setJobState(5, ListEntry::JobState::Processed);
        model.setJobState(6, ListEntry::JobState::Skipped);
        model.setJobState(7, ListEntry::JobState::SkippedWithError);
        for (const EntryDelegate::PlayingLook look :
             {EntryDelegate::PlayingLook::Yellow, EntryDelegate::PlayingLook::WhiteOnBlue}) {
            Delegate delegate;
            delegate.setPlayingLook(look);
            for (int row = 0; row < model.count(); ++row) {
                model.setPlaying(row == 3 || row == 4 ? row : -1);
                QStyleOptionViewItem option;
                option.palette.setColor(QPalette::Base, base);
                option.palette.setColor(QPalette::Text, text);
                delegate.initStyleOption(&option, model.index(row));
                const QColor background =
                    option.backgroundBrush.style() == Qt::NoBrush ? base : option.backgroundBrush.color();
                const double contrast =
                    ReadableColour::contrast(option.palette.color(QPalette::Text), background);
                QVERIFY2(contrast >= ReadableColour::TextContrast,
                         qPrintable(QStringLiteral("%1: %2").arg(model.text(row)).arg(contrast)));
            }
        }
        // On a light theme the colours are the ones people know.
        if (base == Qt::white) {
            Delegate delegate;
            model.setPlaying(-1);
            QStyleOptionViewItem option;
            option.palette.setColor(QPalette::Base, base);
            delegate.initStyleOption(&option, model.index(1));
            QCOMPARE(option.palette.color(QPalette::Text), EntryDelegate::EditListText);
        }
    }

    void aTextShownShortenedIsWholeInItsTooltip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("tip");
        QTest::newRow("short") << "a.mp3" << false;
        QTest::newRow("a long path") << "/home/ann/Music/A very long album name indeed/01 The first song.mp3"
                                     << true;
    }
    void aTextShownShortenedIsWholeInItsTooltip()
    {
        QFETCH(QString, text);
        QFETCH(bool, tip);
        EntryListView list;
        list.setRowsFitWidth(true);
        list.resize(160, 100);
        list.items()->addItems({text});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QToolTip::hideText();
        const QRect row = list.visualRect(list.items()->index(0));
        QHelpEvent event(QEvent::ToolTip, row.center(), list.viewport()->mapToGlobal(row.center()));
        QCoreApplication::sendEvent(list.viewport(), &event);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip ? text : QString());
    }

    void aLongPathKeepsItsFileNameWhole_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        const QString path =
            QStringLiteral("/home/ann/Music/A very long album name indeed/01 The first song.mp3");
        QTest::newRow("whole where it fits") << 2000 << path << path;
        QTest::newRow("the folder gives way first") << 260 << "/home/"
                                                    << "/01 The first song.mp3";
        QTest::newRow("a name wider than the row, in its middle") << 80 << "01"
                                                                  << "mp3";
    }
    // In the playlists.
    void aLongPathKeepsItsFileNameWhole()
    {
        QFETCH(int, width);
        QFETCH(QString, start);
        QFETCH(QString, end);
        struct Delegate : EntryDelegate
        {
            using EntryDelegate::EntryDelegate;
            using EntryDelegate::initStyleOption;
            using EntryDelegate::shownText;
        };
        struct List : EntryListView
        {
            using EntryListView::initViewItemOption;
        };
        List list;
        auto *delegate = new Delegate(&list);
        list.setItemDelegate(delegate);
        list.setRowsFitWidth(true);
        list.resize(width, 100);
        list.items()->addItems(
            {QStringLiteral("/home/ann/Music/A very long album name indeed/01 The first song.mp3")});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QModelIndex entry = list.items()->index(0);
        QStyleOptionViewItem row;
        list.initViewItemOption(&row);
        row.rect = list.visualRect(entry);
        delegate->initStyleOption(&row, entry);
        const QString shown = delegate->shownText(row);
        QVERIFY2(shown.startsWith(start) && shown.endsWith(end), qPrintable(shown));
        QCOMPARE(shown.contains(QChar(0x2026)), start != end);
        QVERIFY(row.fontMetrics.horizontalAdvance(shown) < width);
    }

    void rowsInSightShowTheirThumbnails()
    {
        EntryListView list;
        EntryListModel &model = *list.items();
        QStringList names{"..", "notes.txt"};
        for (int i = 0; i < 200; ++i)
            names.append(QStringLiteral("p%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        model.addItems(names);
        model.setOnEditList(2, true);
        list.resize(300, 400);
        const int iconRow = list.sizeHintForRow(0);
        std::mutex lock;
        QStringList made;
        auto *thumbnails = new ListThumbnails(
            list,
            [&model](int row) {
                return row > 0 && model.text(row).endsWith(QLatin1String(".jpg")) ? model.text(row)
                                                                                  : QString();
            },
            [&](const QString &path, int side, QDeadlineTimer) {
                std::lock_guard guard(lock);
                made.append(path);
                QImage image(side, side / 2, QImage::Format_RGB32);
                image.fill(Qt::red);
                return image;
            },
            64, std::make_shared<QThreadPool>());
        list.showThumbnails(thumbnails);
        QVERIFY(list.sizeHintForRow(0) >= 64);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QTRY_VERIFY(!thumbnails->thumbnail(2).isNull());
        QCOMPARE(thumbnails->thumbnail(2).size(), QSize(64, 32));
        QVERIFY(thumbnails->thumbnail(1).isNull());
        {
            std::lock_guard guard(lock);
            // Only the rows in sight were asked for.
            QVERIFY(made.size() < 10);
            QVERIFY(!made.contains(QStringLiteral("p199.jpg")));
        }
        // What a row is to the user is drawn as before.
        struct Delegate : EntryDelegate
        {
            using EntryDelegate::initStyleOption;
        } delegate;
        delegate.setThumbnails(thumbnails);
        QStyleOptionViewItem option;
        delegate.initStyleOption(&option, model.index(2));
        QCOMPARE(option.palette.color(QPalette::Text), EntryDelegate::EditListText);
        QVERIFY(!option.icon.isNull());
        list.scrollToBottom();
        QTRY_VERIFY(!thumbnails->thumbnail(201).isNull());
        list.showThumbnails(nullptr);
        QCOMPARE(list.sizeHintForRow(0), iconRow);
        // The current row stays in sight as the rows grow.
        list.setCurrentRow(201);
        list.scrollToBottom();
        list.showThumbnails(thumbnails);
        QVERIFY(list.viewport()->rect().intersects(list.visualRect(model.index(201))));
    }

    void selectionCallsOnTheList()
    {
        EntryListView list;
        list.items()->addItems({"a", "b", "c", "d"});
        list.resize(200, 300);
        list.show();
        QCOMPARE(list.currentRow(), -1);
        list.setCurrentRow(2);
        QCOMPARE(list.currentRow(), 2);
        QVERIFY(list.isRowSelected(2));
        list.selectRange(true, 0, 10);
        QVERIFY(list.isRowSelected(0) && list.isRowSelected(3));
        list.selectRange(false, 1, 2);
        QVERIFY(list.isRowSelected(0) && !list.isRowSelected(1) && !list.isRowSelected(2) &&
                list.isRowSelected(3));
        QCOMPARE(list.rowAt(list.visualRect(list.items()->index(1)).center()), 1);
        QCOMPARE(list.rowAt(QPoint(5, 290)), -1);
    }

    void iconIndexes()
    {
        FileIconProvider icons;
        const int mp3 = icons.iconIndex(QStringLiteral("/no/such/song.mp3"));
        QCOMPARE(icons.iconIndex(QStringLiteral("/elsewhere/OTHER.MP3")), mp3);
        QCOMPARE(icons.iconIndex(QStringLiteral("x.mp3")), mp3);
        QVERIFY(!icons.icon(mp3).isNull());
        QCOMPARE(icons.iconIndex(QStringLiteral("/some/folder/")), icons.folderIndex());
        QCOMPARE(icons.iconIndex(QStringLiteral("/a/file.unknownextension")), 0);
        QVERIFY(icons.icon(icons.count() + 5).isNull());
        const int count = icons.count();
        icons.iconIndex(QStringLiteral("again.mp3"));
        QCOMPARE(icons.count(), count);
    }

    void folderTreeSpecialFolders()
    {
        QCOMPARE(FolderTree::specialFolderPath(QStringLiteral("desktop")),
                 FolderTree::specialFolderText(FolderTree::DesktopDirectory));
        QCOMPARE(FolderTree::specialFolderPath(QStringLiteral("COMPUTER")), QStringLiteral("MC"));
        QCOMPARE(FolderTree::specialFolderPath(FolderTree::specialFolderText(FolderTree::Personal)),
                 FolderTree::specialFolderText(FolderTree::Personal));
        QVERIFY(FolderTree::specialFolderPath(QStringLiteral("/tmp/")).isEmpty());
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

        // The menu key opens the menu on the folder selected.
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QCoreApplication::sendEvent(&tree, &menuKey);
        QCOMPARE(rightClicks.count(), 2);
        QCOMPARE(tree.itemAt(tree.viewport()->mapFromGlobal(rightClicks.last().first().toPoint())), a);
        QCOMPARE(selected.count(), before);
    }

    void folderTreeOpensOnWhatWasReadAhead()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("a/b/c"));
        const QString deep = dir.path() + QStringLiteral("/a/b/");
        FolderChainReadAhead early(deep);
        std::jthread reader([&early] { early.read(); });
        reader.join();
        // Made after the read: the tree shows what was read until it reads again.
        QDir(dir.path()).mkpath(QStringLiteral("a/late"));
        FolderTree tree;
        tree.setReadAhead(&early);
        QVERIFY(tree.setSelectedPath(deep));
        tree.setReadAhead(nullptr);
        QTreeWidgetItem *a = tree.currentItem()->parent();
        QCOMPARE(a->childCount(), 1);
        QVERIFY(!early.takeVolumes());
        tree.refresh();
        QVERIFY(tree.setSelectedPath(deep));
        QCOMPARE(tree.currentItem()->parent()->childCount(), 2);
    }

    void folderColumnWidthFollowsTheVisibleFolders()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("a/a rather longer name than the others/d"));
        QDir(dir.path()).mkpath(QStringLiteral("b"));
        // What the view itself works out, row by row, after each kind of change.
        struct Tree : FolderTree
        {
            bool measuredAlike() const { return sizeHintForColumn(0) == QTreeWidget::sizeHintForColumn(0); }
        } tree;
        tree.resize(200, 300);
        tree.show();
        const auto measuredAlike = [&tree] { return tree.measuredAlike(); };
        QVERIFY(measuredAlike());
        QVERIFY(
            tree.setSelectedPath(dir.path() + QStringLiteral("/a/a rather longer name than the others/d")));
        QVERIFY(measuredAlike());
        QTreeWidgetItem *deep = tree.currentItem()->parent();
        deep->setText(0, QStringLiteral("an even longer name, now that it has been renamed"));
        QVERIFY(measuredAlike());
        deep->parent()->setExpanded(false);
        QVERIFY(measuredAlike());
        deep->parent()->setExpanded(true);
        deep->setHidden(true);
        QVERIFY(measuredAlike());
        QFont larger = tree.font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        tree.setFont(larger);
        QVERIFY(measuredAlike());
        tree.header()->setResizeContentsPrecision(2);
        QVERIFY(measuredAlike());
    }

    void extEditKeepsChangesUnlessCancelled_data()
    {
        QTest::addColumn<QString>("closeWith");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Ok") << "okButton" << true;
        QTest::newRow("close box") << "close" << true;
        QTest::newRow("Cancel") << "cancelButton" << false;
        QTest::newRow("Esc") << "escape" << false;
    }
    void extEditKeepsChangesUnlessCancelled()
    {
        QFETCH(QString, closeWith);
        QFETCH(bool, kept);
        MediaTypes types;
        types.setDragDrop(0, true);
        MediaTypeEditor dialog(types);
        dialog.show();
        auto *list = dialog.findChild<EntryListView *>(QStringLiteral("typeList"));
        QCOMPARE(list->items()->count(), MediaTypes::Count);
        QVERIFY(list->isRowSelected(0));
        QVERIFY(!list->isRowSelected(2));
        list->setRowSelected(2, true);
        list->setRowSelected(15, true);

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
        QTest::newRow("first entry") << "okButton" << 0 << "*.*";
        QTest::newRow("mp3") << "okButton" << 3 << "*.mp3";
        QTest::newRow("last") << "okButton" << 21 << "*.ico";
        QTest::newRow("Cancel") << "cancelButton" << 3 << "";
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
            auto *dialog = qobject_cast<FileTypeChooser *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Add files to playlist"));
            auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("typeChoice"));
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
        chosen = FileTypeChooser::choose(types, QStringLiteral("Add files to playlist"), nullptr);
        QCOMPARE(chosen, pattern);
    }
};

QObject *createBrowseTest()
{
    return new TestBrowse;
}

#include "tst_browse.moc"
