// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FolderTree.h"
#include "browse/PathBar.h"
#include "platform/NativePath.h"
#include "playback/MprisService.h"
#include "playback/PlaybackOptions.h"
#include "support/TestFiles.h"
#include "support/TextRow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <sys/stat.h>

class TestWindowNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void foldersWithUndecodableNamesAreEntered()
    {
        Session session;
        const QByteArray folder = QFile::encodeName(session.media()) + "caf\xe9/";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        writeNative(folder + "inside.mp3");
        MainWindow &window = session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(NativePath::fromBytes("caf\xe9")));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(NativePath::toBytes(window.currentFolder()), folder);
        session.settle();
        QVERIFY(list->items()->findItem(QStringLiteral("inside.mp3")) > 0);
        QCOMPARE(NativePath::toBytes(session.child<FolderTree>("folderTree")->selectedPath()), folder);
    }

    // A drop on the window or the path box opens the folder of its first path and chooses the file
    // there; the file manager is told that nothing was moved or copied.
    void dropsOpenTheirFirstPath_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArrayList>("dropped");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("chosen");
        QTest::newRow("a file on the window")
            << "window" << QByteArrayList{"B.wav"} << "" << QByteArray("B.wav");
        QTest::newRow("a folder and a file on the path box")
            << "pathBox" << QByteArrayList{"sub folder", "a b.mp3"} << "sub folder/" << QByteArray();
        QTest::newRow("a name that is not UTF-8 on the path box")
            << "pathBox" << QByteArrayList{"bad\xff.wav"} << "" << QByteArray("bad\xff.wav");
    }
    void dropsOpenTheirFirstPath()
    {
        QFETCH(QString, target);
        QFETCH(QByteArrayList, dropped);
        QFETCH(QString, folder);
        QFETCH(QByteArray, chosen);
        Session session;
        const QByteArray media = QFile::encodeName(session.media());
        writeNative(media + "bad\xff.wav");
        MainWindow &window = session.start();
        QList<QUrl> urls;
        for (const QByteArray &name : std::as_const(dropped))
            urls.append(QUrl::fromEncoded("file://" + (media + name).toPercentEncoding("/")));
        QMimeData data;
        data.setUrls(urls);
        QWidget *on = target == QLatin1String("window") ? static_cast<QWidget *>(&window)
                                                        : session.child<QLineEdit>("pathBox");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &drop);
        QCOMPARE(drop.dropAction(), Qt::IgnoreAction);
        QCOMPARE(window.currentFolder(), session.media(folder));
        const EntryListView *list = session.child<EntryListView>("fileList");
        QCOMPARE(NativePath::toBytes(list->items()->text(list->currentRow())), chosen);
    }

    void keysThatTypeTextStayInThePathBox()
    {
        Session session;
        MainWindow &window = session.start(session.media(QStringLiteral("b.wav")));
        auto *pathBox = session.focused<QLineEdit>("pathBox");
        pathBox->clear();
        QTest::keyClicks(pathBox, QStringLiteral("my dir"));
        QTest::keyClick(pathBox, Qt::Key_Space, Qt::ShiftModifier);
        QCOMPARE(pathBox->text(), QStringLiteral("my dir "));
        QVERIFY(window.editList().isEmpty());
    }

    void aFileOpenedFromOutsideIsSelectedInView_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("on the command line") << "start";
        QTest::newRow("handed over later") << "later";
        QTest::newRow("handed over while the start-up asks") << "asking";
    }
    void aFileOpenedFromOutsideIsSelectedInView()
    {
        QFETCH(QString, when);
        Session session;
        for (int i = 0; i < 400; ++i)
            writeBytes(session.media(QStringLiteral("track %1.mp3").arg(i, 3, 10, QLatin1Char('0'))),
                       QByteArray());
        const QString far = session.media(QStringLiteral("track 350.mp3"));
        const QString handed = QLatin1Char('"') + far + QLatin1Char('"');
        if (when == QLatin1String("asking")) {
            // A list that is not read is said before the window is shown.
            QCOMPARE(::mkfifo(QFile::encodeName(session.dataFile("files.ini")).constData(), 0600), 0);
            session.prompter.setWhileAsked([&session, handed] { session.window->openHandedPath(handed); });
        }
        MainWindow &form =
            session.start(when == QLatin1String("start") ? far : session.media(QStringLiteral("sub folder")));
        if (when == QLatin1String("later"))
            form.openHandedPath(handed);
        QCOMPARE(form.currentFolder(), session.media());
        auto *list = session.child<EntryListView>("fileList");
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("track 350.mp3"));
        // Scrolled to, top to bottom: a narrow pane may cut the row's end.
        const QRect row = list->visualRect(list->currentIndex());
        QVERIFY(row.top() >= 0 && row.bottom() < list->viewport()->height());
    }

    void aFileTheDesktopOpensIsHandedOver()
    {
        Session session;
        session.start(session.media(QStringLiteral("sub folder")));
        // Named in bytes that are not UTF-8, percent-encoded in the URI.
        const QByteArray name = QFile::encodeName(session.media()) + "caf\xe9.wav";
        writeNative(name);
        const QString path = NativePath::fromBytes(name);
        session.player.calls.clear();
        auto *mpris = session.window->findChild<MprisService *>();
        QCOMPARE(mpris->openUri(QString::fromLatin1(NativePath::fileUrl(path).toEncoded())), QString());
        QCOMPARE(session.window->currentFolder(), session.media());
        session.settle();
        QVERIFY(session.player.calls.contains("open " + path));
    }

    void openCmdOpensFoldersAndSelectsFiles_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("selected");
        textRow("quoted file with a blank", {"\"%1a b.mp3\"", "%1", "a b.mp3"});
        textRow("exact case first", {"%1b.wav", "%1", "b.wav"});
        textRow("upper case", {"%1B.wav", "%1", "B.wav"});
        textRow("folder without separator", {"%1sub folder", "%1sub folder/", ""});
        textRow("missing file in a folder", {"%1gone.mp3", "%1", ""});
        textRow("nothing there, the computer root", {"/no/such/place/x.mp3", "Computer", ""});
    }
    void openCmdOpensFoldersAndSelectsFiles()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, folder);
        QFETCH(QString, selected);
        Session session;
        MainWindow &form = session.start(commandLine.arg(session.media()));
        QCOMPARE(form.currentFolder(),
                 folder.contains(QLatin1String("%1")) ? folder.arg(session.media()) : folder);
        const EntryListView *list = session.child<EntryListView>("fileList");
        QCOMPARE(list->items()->text(list->currentRow()), selected);
    }

    void executeRequestKeepsAutoAdvanceOnlyInTheSameFolder_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<bool>("advance");
        QTest::newRow("same folder") << "%1B.wav" << true;
        QTest::newRow("other folder") << "\"%1sub folder/c.mp3\"" << false;
    }
    void executeRequestKeepsAutoAdvanceOnlyInTheSameFolder()
    {
        QFETCH(QString, request);
        QFETCH(bool, advance);
        Session session;
        MainWindow &form = session.start(session.media());
        form.findChild<QCheckBox *>("autoAdvance")->setChecked(true);
        form.openHandedPath(request.arg(session.media()));
        QCOMPARE(form.playbackOptions()->autoAdvance(), advance);
        QCOMPARE(form.currentFolder(), folderOfPath(request.arg(session.media())));
        QVERIFY(session.child<EntryListView>("fileList")->currentRow() > 0);
    }

    void rightClickMenu_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<bool>("fileItems");
        QTest::newRow("file") << "a b.mp3" << true << true;
        QTest::newRow("folder") << "sub folder" << true << false;
        QTest::newRow("parent") << ".." << false << false;
        QTest::newRow("below the last entry") << "" << false << false;
    }
    void rightClickMenu()
    {
        QFETCH(QString, entry);
        QFETCH(bool, menu);
        QFETCH(bool, fileItems);
        Session session;
        session.start(session.media());
        auto *list = session.child<EntryListView>("fileList");
        list->resize(300, 400);
        const int row = entry.isEmpty() ? -1 : list->items()->findItem(entry);
        const QPoint point = row < 0 ? QPoint(5, 390) : list->visualRect(list->items()->index(row)).center();
        bool menuShown = false;
        bool addEnabled = false;
        bool playlistEnabled = false;
        bool menuTarget = false;
        QTimer::singleShot(0, this, [&] {
            auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!popup)
                return;
            menuShown = true;
            addEnabled = popup->findChild<QAction *>(QStringLiteral("addToEditList"))->isEnabled();
            playlistEnabled = popup->findChild<QAction *>(QStringLiteral("addToPlaylist"))->isEnabled();
            menuTarget =
                list->items()->data(list->items()->index(row), EntryListModel::MenuTargetRole).toBool();
            popup->close();
        });
        QTest::mousePress(list->viewport(), Qt::RightButton, {}, point);
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, point);
        QTest::qWait(10);
        QCOMPARE(menuShown, menu);
        QCOMPARE(list->currentRow(), -1);
        if (menu) {
            QCOMPARE(addEnabled, fileItems);
            QVERIFY(playlistEnabled);
            QVERIFY(menuTarget);
            QVERIFY(!list->items()->data(list->items()->index(row), EntryListModel::MenuTargetRole).toBool());
        }
    }

    void pathBoxEnter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("selected");
        textRow("folder without separator", {"%1sub folder", "%1sub folder/", "%1sub folder/", ""});
        textRow("a file", {"%1B.wav", "%1", "%1B.wav", "B.wav"});
        textRow("computer root", {"COMPUTER", "Computer", "Computer", ""});
        textRow("nothing there", {"/no/such", "%1", "/no/such", ""});
        textRow("relative to the folder shown", {"sub folder", "%1sub folder/", "%1sub folder/", ""});
        textRow("dot dot and doubled separators",
                {"%1sub folder/..//sub folder/../B.wav", "%1", "%1B.wav", "B.wav"});
    }
    void pathBoxEnter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, folder);
        QFETCH(QString, box);
        QFETCH(QString, selected);
        Session session;
        MainWindow &form = session.start(session.media());
        auto *pathBox = session.child<QLineEdit>("pathBox");
        auto fill = [&](QString text) {
            return text.contains(QLatin1String("%1")) ? text.arg(session.media()) : text;
        };
        pathBox->setText(fill(typed));
        QTest::keyClick(pathBox, Qt::Key_Return);
        QCOMPARE(form.currentFolder(), fill(folder));
        QCOMPARE(pathBox->text(), fill(box));
        const EntryListView *list = session.child<EntryListView>("fileList");
        QCOMPARE(list->items()->text(list->currentRow()), selected);
        // A path that is not there is said beside the box, kept as typed until it is corrected.
        auto *bar = session.child<PathBar>("pathBar");
        const bool missing = typed == QLatin1String("/no/such");
        QCOMPARE(bar->problem(),
                 missing ? QStringLiteral("There is no file or folder of that name.") : QString());
        if (missing)
            QVERIFY(!session.child<QLabel>("pathProblemSign")->pixmap().isNull());
        QCOMPARE(pathBox->selectedText(), QString());
        QTest::keyClick(pathBox, Qt::Key_Backspace);
        QCOMPARE(bar->problem(), QString());
    }

    void theListFollowsTheFolderAndRefreshKeepsTheSelection()
    {
        Session session;
        session.start(session.media());
        auto *list = session.child<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        session.player.calls.clear();
        // Another program's file shows without a key, and nothing else is chosen meanwhile.
        writeBytes(session.media(QStringLiteral("new.mp3")), "x");
        QTRY_VERIFY(list->items()->findItem(QStringLiteral("new.mp3")) > 0);
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("b.wav"));
        QVERIFY(QFile::remove(session.media(QStringLiteral("a b.mp3"))));
        QTRY_COMPARE(list->items()->findItem(QStringLiteral("a b.mp3")), -1);
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("b.wav"));
        QCOMPARE(session.player.calls, QStringList());
        writeBytes(session.media(QStringLiteral("other.mp3")), "x");
        session.child<QAction>("refresh")->trigger();
        session.settle();
        QVERIFY(list->items()->findItem(QStringLiteral("other.mp3")) > 0);
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("b.wav"));
        // The chosen file deleted: its entry goes, and the entry the list moves to is not played.
        session.player.calls.clear();
        QVERIFY(QFile::remove(session.media(QStringLiteral("b.wav"))));
        QTRY_COMPARE(list->items()->findItem(QStringLiteral("b.wav")), -1);
        QVERIFY(list->currentRow() > 0);
        QCOMPARE(session.player.calls, QStringList());
        QVERIFY(session.prompter.questions().isEmpty());
    }

    void aFolderShownThatGoesAwayGivesWayToTheNearestAbove()
    {
        Session session;
        const QString deeper = session.media(QStringLiteral("sub folder/deeper/"));
        QVERIFY(QDir().mkpath(deeper));
        MainWindow &window = session.start(deeper);
        auto *list = session.focused<EntryListView>("fileList");
        QVERIFY(QDir(deeper).removeRecursively());
        QTRY_COMPARE(window.currentFolder(), session.media(QStringLiteral("sub folder/")));
        session.settle();
        QCOMPARE(list->items()->texts(), QStringList({"..", "c.mp3"}));
        QCOMPARE(session.child<PathBar>("pathBar")->problem(),
                 QStringLiteral("The folder \"%1\" is no longer there.").arg(deeper));
        QVERIFY(session.prompter.questions().isEmpty());
    }

    void windowKeys()
    {
        Session session;
        MainWindow &form = session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        auto *pathBox = session.child<QLineEdit>("pathBox");
        const int b = list->items()->findItem(QStringLiteral("b.wav"));
        list->setCurrentRow(b);

        QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(form.editList().entries(), QStringList{session.media(QStringLiteral("b.wav"))});
        QTest::keyClick(list, Qt::Key_Space, Qt::ShiftModifier);
        QVERIFY(form.editList().isEmpty());
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(form.editList().count(), 1);

        const bool advance = form.playbackOptions()->autoAdvance();
        QTest::keyClick(list, Qt::Key_F2);
        QCOMPARE(form.playbackOptions()->autoAdvance(), !advance);

        list->setCurrentRow(b);
        QTest::keyClick(list, Qt::Key_PageUp);
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("B.wav"));
        QTest::keyClick(pathBox, Qt::Key_PageDown);
        QCOMPARE(list->currentRow(), b);

        QTest::keyClick(list, Qt::Key_F6);
        QCOMPARE(pathBox->selectedText(), pathBox->text());
    }

private:
    static QString folderOfPath(QString path)
    {
        path.remove(QLatin1Char('"'));
        return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    }
};

QObject *createWindowTest()
{
    return new TestWindowNavigation;
}

#include "tst_navigation.moc"
