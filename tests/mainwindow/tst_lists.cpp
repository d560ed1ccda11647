// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "mainwindow/TitleStrip.h"
#include "mainwindow/WindowActions.h"
#include "playlist/PlaylistPanel.h"
#include "support/TestFiles.h"
#include "widgets/FlatButton.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

class TestWindowLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savedListsSurviveARestart()
    {
        Session session;
        writeBytes(session.dataFile("files.ini"), "/m/a.mp3\r\n\r\n/m/c.wav\r\n");
        writeBytes(session.dataFile("default.m3u"), "/m/a.mp3\r\n/m/b.mp3\r\n");
        MainWindow &form = session.start();
        QCOMPARE(form.editList().entries(), QStringList({"/m/a.mp3", "/m/c.wav"}));
        EntryListModel *playlist = session.child<EntryListView>("playlistView")->items();
        QCOMPARE(playlist->count(), 2);
        QVERIFY(playlist->isOnEditList(0));
        QVERIFY(!playlist->isOnEditList(1));
        playlist->addItem(QStringLiteral("/m/d.mid"));
        form.editList().append(QStringLiteral("/m/e.xm"));
        session.close();
        QCOMPARE(readBytes(session.dataFile("files.ini")), QByteArray("/m/a.mp3\r\n/m/c.wav\r\n/m/e.xm\r\n"));
        QCOMPARE(readBytes(session.dataFile("default.m3u")),
                 QByteArray("/m/a.mp3\r\n/m/b.mp3\r\n/m/d.mid\r\n"));

        form.editList().clear();
        session.start();
        session.window->editList().clear();
        session.close();
        QVERIFY(!QFile::exists(session.dataFile("files.ini")));
    }

    // What the user is told when one thing asked of the window cannot be done.
    void refusalsAreExplained_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        const int exclamation = int(Prompter::Icon::Exclamation);
        QTest::newRow("adding a name with a carriage return")
            << "add a\rb.mp3"
            << "its name holds a carriage return" << exclamation;
        QTest::newRow("deleting a mount root in the file list")
            << "delete /proc"
            << "You can't delete entier drives !" << exclamation;
        QTest::newRow("right click while the EditList is open")
            << "right click"
            << "This option is not available when the EditList is open!" << exclamation;
        QTest::newRow("Space while the EditList is open")
            << "space"
            << "This option is not available when the EditList is open!" << exclamation;
        QTest::newRow("the playlist's ADD TO EDITLIST while the EditList is open")
            << "playlist to EditList"
            << "This option is not available when the EditList is open!" << exclamation;
        QTest::newRow("opening a playlist that does not exist")
            << "open playlist"
            << "ERROR! File don't exist !" << int(Prompter::Icon::Critical);
    }
    void refusalsAreExplained()
    {
        QFETCH(QString, asked);
        QFETCH(QString, message);
        QFETCH(int, icon);
        Session session;
        writeBytes(session.media(QStringLiteral("a\rb.mp3")), "x");
        MainWindow &form =
            session.start(asked == QLatin1String("delete /proc") ? QStringLiteral("/") : session.media());
        auto *list = session.focused<EntryListView>("fileList");
        QWidget editList;
        if (asked == QLatin1String("add a\rb.mp3")) {
            list->setCurrentRow(list->items()->findItem(QStringLiteral("a\rb.mp3")));
            QTest::keyClick(list, Qt::Key_Space);
        } else if (asked == QLatin1String("delete /proc")) {
            // A mount root is a drive: it is chosen on its own.
            QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
            list->setCurrentRow(list->items()->findItem(QStringLiteral("proc")));
            QVERIFY(list->currentRow() > 0);
            QTest::keyClick(list, Qt::Key_Delete);
        } else if (asked == QLatin1String("right click")) {
            form.setEditListWindow(&editList);
            const QPoint point = list->visualRect(list->items()->index(1)).center();
            QTest::mousePress(list->viewport(), Qt::RightButton, {}, point);
            QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, point);
            form.setEditListWindow(nullptr);
        } else if (asked == QLatin1String("space")) {
            form.setEditListWindow(&editList);
            list->setCurrentRow(1);
            QTest::keyClick(list, Qt::Key_Space);
            form.setEditListWindow(nullptr);
        } else if (asked == QLatin1String("playlist to EditList")) {
            form.setEditListWindow(&editList);
            session.child<QAction>("playlistToEditList")->trigger();
            form.setEditListWindow(nullptr);
        } else {
            form.openPlaylist(QStringLiteral("/no/such/list.m3u"));
        }
        QCOMPARE(session.prompter.questions().size(), 1);
        QVERIFY2(session.prompter.questions().first().text.contains(message),
                 qPrintable(session.prompter.questions().first().text));
        QCOMPARE(int(session.prompter.questions().first().icon), icon);
        QVERIFY(form.editList().isEmpty());
        QVERIFY(session.trash.recycled().isEmpty());
    }

    void listsAreWrittenBackByteForByte()
    {
        Session session;
        const QByteArray editList =
            "/m/bad\xff.wav\r\n/m/caf\xe9.mp3\r\n/m/new\nline.mp3\r\n/m/\x80x.mp3\r\n";
        const QByteArray playlist = "/m/caf\xe9.mp3\r\n/m/plain.mp3\r\n";
        writeBytes(session.dataFile("files.ini"), editList);
        writeBytes(session.dataFile("default.m3u"), playlist);
        MainWindow &window = session.start();
        QCOMPARE(window.editList().count(), 4);
        session.close();
        QCOMPARE(readBytes(session.dataFile("files.ini")), editList);
        QCOMPARE(readBytes(session.dataFile("default.m3u")), playlist);
    }

    void undecodableNamesReachBothListsUnchanged()
    {
        Session session;
        const QByteArray media = QFile::encodeName(session.media());
        QDir(session.media()).removeRecursively();
        QDir().mkpath(session.media());
        writeNative(media + "caf\xe9.mp3");
        MainWindow &window = session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Space);
        session.child<QAction>("addToPlaylist")->trigger();
        QCOMPARE(window.editList().count(), 1);
        session.close();
        QCOMPARE(readBytes(session.dataFile("files.ini")), media + "caf\xe9.mp3\r\n");
        QCOMPARE(readBytes(session.dataFile("default.m3u")), media + "caf\xe9.mp3\r\n");
    }

    void storedListsThatAreNotRegularFilesAreLeftAlone()
    {
        Session session;
        QCOMPARE(::mkfifo(QFile::encodeName(session.dataFile("files.ini")).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), session.dataFile("default.m3u")));
        MainWindow &window = session.start();
        QVERIFY(window.isVisible());
        QCOMPARE(session.prompter.questions().size(), 2);
        QCOMPARE(session.prompter.questions().first().text,
                 QStringLiteral(
                     "The EditList in %1 was not read: it is not a regular file. The file is left as it is.")
                     .arg(session.dataFile("files.ini")));
        window.editList().append(QStringLiteral("/m/a.mp3"));
        session.close();
        struct stat info = {};
        QCOMPARE(::lstat(QFile::encodeName(session.dataFile("files.ini")).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
        QVERIFY(QFileInfo(session.dataFile("default.m3u")).isSymLink());
    }

    void aListThatCannotBeSavedIsReportedAndTheOldOneKept()
    {
        Session session;
        const QByteArray before = "/m/a.mp3\r\n";
        writeBytes(session.dataFile("files.ini"), before);
        MainWindow &window = session.start();
        for (int i = 0; i < 20000; ++i)
            window.editList().append(
                QStringLiteral("/music/archive/%1.mp3").arg(i, 20, 10, QLatin1Char('0')));
        rlimit saved = {};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 200000;
        ::setrlimit(RLIMIT_FSIZE, &small);
        window.close();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(readBytes(session.dataFile("files.ini")), before);
        QVERIFY(!session.prompter.questions().isEmpty());
        QVERIFY(session.prompter.questions().first().text.startsWith(
            QStringLiteral("The EditList could not be saved in %1: ").arg(session.dataFile("files.ini"))));
    }

    void theRestoredPlaylistHasIcons()
    {
        Session session;
        writeBytes(session.dataFile("default.m3u"), "/m/a.mp3\r\n/m/7\r\n");
        session.start();
        EntryListModel *playlist = session.child<EntryListView>("playlistView")->items();
        QCOMPARE(playlist->count(), 2);
        for (int row = 0; row < 2; ++row)
            QVERIFY(!playlist->data(playlist->index(row), Qt::DecorationRole).value<QIcon>().isNull());
    }

    void removingManyMarkedFilesIsOnePass()
    {
        Session session;
        QDir(session.media()).removeRecursively();
        QDir().mkpath(session.media());
        for (int i = 0; i < 3000; ++i)
            writeBytes(session.media(QStringLiteral("%1.mp3").arg(i)), QByteArray());
        MainWindow &window = session.start(session.media());
        session.child<QAction>("addAllToEditList")->trigger();
        window.editList().append(session.media(QStringLiteral("0.mp3")));
        QCOMPARE(window.editList().count(), 3001);
        EntryListModel *files = session.child<EntryListView>("fileList")->items();
        QSignalSpy changes(files, &QAbstractItemModel::dataChanged);
        session.child<QAction>("removeAllFromEditList")->trigger();
        QCOMPARE(changes.count(), 1);
        // Each marked file leaves once: the second entry of a path listed twice stays.
        QTRY_COMPARE(window.editList().entries(), QStringList{session.media(QStringLiteral("0.mp3"))});
        for (int row = 1; row < files->count(); ++row)
            QVERIFY(!files->isOnEditList(row));
    }

    void thePlaylistKeysAndItsCount()
    {
        Session session;
        session.start(session.media());
        auto *playlist = session.focused<EntryListView>("playlistView");
        auto *title = session.child<TitleStrip>("playlistTitle");
        QCOMPARE(title->caption(), QStringLiteral("PLAYLIST"));
        for (const char *name : {"a b.mp3", "b.wav", "B.wav"})
            playlist->items()->addItem(session.media(QLatin1String(name)));
        QCOMPARE(title->caption(), QStringLiteral("PLAYLIST (3)"));
        // Enter plays the current entry: its folder shows and the file is chosen there.
        playlist->setCurrentRow(1);
        QTest::keyClick(playlist, Qt::Key_Return);
        auto *files = session.child<EntryListView>("fileList");
        QCOMPARE(files->items()->text(files->currentRow()), QStringLiteral("b.wav"));
        QVERIFY(session.child<PlaylistPanel>("playlistPanel")->usePlaylist()->isChecked());
        // The entry the player holds is marked.
        QCOMPARE(playlist->items()->playing(), 1);
        QCOMPARE(playlist->items()->index(1).data(EntryListModel::PlayingRole).toBool(), true);
        session.focused<EntryListView>("playlistView");
        QTest::keyClick(playlist, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(playlist->selectionModel()->selectedRows().size(), 3);
        QTest::keyClick(playlist, Qt::Key_Delete);
        QCOMPARE(playlist->items()->count(), 0);
        QCOMPARE(title->caption(), QStringLiteral("PLAYLIST"));
    }

    void filesDroppedOnThePlaylistAreAdded()
    {
        Session session;
        session.start(session.media());
        auto *playlist = session.child<EntryListView>("playlistView");
        auto *data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(session.media(QStringLiteral("b.wav"))),
                       QUrl::fromLocalFile(session.media(QStringLiteral("a b.mp3"))),
                       QUrl(QStringLiteral("https://example.org/not/a/file.mp3"))});
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(playlist->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(playlist->viewport(), &drop);
        // Listed only: the file manager is told nothing was moved or copied.
        QCOMPARE(drop.dropAction(), Qt::IgnoreAction);
        QCOMPARE(
            session.child<PlaylistPanel>("playlistPanel")->paths(),
            QStringList({session.media(QStringLiteral("b.wav")), session.media(QStringLiteral("a b.mp3"))}));
        // Dropped again, nothing is listed twice.
        QApplication::sendEvent(playlist->viewport(), &drop);
        QCOMPARE(playlist->items()->count(), 2);
        delete data;
    }

    void unreadableListsAreNotOverwritten()
    {
        Session session;
        // A folder where a list file should be cannot be read, not even by root.
        QDir().mkpath(session.dataFile("files.ini"));
        QDir().mkpath(session.dataFile("default.m3u"));
        writeBytes(session.dataFile("files.ini/keep"), "x");
        MainWindow &form = session.start();
        QVERIFY(form.editList().isEmpty());
        session.close();
        QVERIFY(QFileInfo(session.dataFile("files.ini")).isDir());
        QVERIFY(QFile::exists(session.dataFile("files.ini/keep")));
        QVERIFY(QFileInfo(session.dataFile("default.m3u")).isDir());
    }

    void addToPlaylistWalksTheFolderTheMenuWasOpenedOn()
    {
        Session session;
        QDir().mkpath(session.media(QStringLiteral("sub folder/deeper")));
        writeBytes(session.media(QStringLiteral("sub folder/deeper/d.WAV")), "x");
        writeBytes(session.media(QStringLiteral("sub folder/e.txt")), "x");
        session.start(session.media());
        auto *list = session.child<EntryListView>("fileList");
        EntryListModel *playlist = session.child<EntryListView>("playlistView")->items();
        playlist->addItem(session.media(QStringLiteral("sub folder/c.mp3")));

        // Right-click on a point of the list and take "Add to playlist >>" with the first pattern.
        auto addToPlaylistOn = [&](const QPoint &point) {
            QTimer::singleShot(0, this, [] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                QVERIFY(menu);
                QTimer::singleShot(0, [] {
                    QWidget *dialog = QApplication::activeModalWidget();
                    QVERIFY(dialog);
                    QCOMPARE(dialog->windowTitle(), QStringLiteral("Add files to playlist"));
                    dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
                });
                menu->findChild<QAction *>(QStringLiteral("addToPlaylist"))->trigger();
                menu->close();
            });
            QTest::mousePress(list->viewport(), Qt::RightButton, {}, point);
            QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, point);
        };
        const int row = list->items()->findItem(QStringLiteral("sub folder"));
        QVERIFY(row > 0);
        addToPlaylistOn(list->visualRect(list->items()->index(row)).center());
        QTRY_COMPARE(playlist->count(), 2);
        QVERIFY(playlist->findItem(session.media(QStringLiteral("sub folder/deeper/d.WAV"))) >= 0);

        // Below the last entry there is no menu; the menu item from the keyboard works on the
        // current folder.
        list->setCurrentRow(0);
        QTimer::singleShot(0, [] {
            QApplication::activeModalWidget()->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        });
        session.child<QAction>("addToPlaylist")->trigger();
        QTRY_COMPARE(playlist->count(), 5);
        QStringList entries;
        for (int i = 0; i < playlist->count(); ++i)
            entries.append(playlist->text(i).mid(session.media().size()));
        entries.sort();
        QCOMPARE(entries,
                 QStringList({"B.wav", "a b.mp3", "b.wav", "sub folder/c.mp3", "sub folder/deeper/d.WAV"}));
    }

    void listKeysAddByPatternAndEnterFolders()
    {
        Session session;
        MainWindow &form = session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        QTimer::singleShot(0, this, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Add files to editlist"));
            dialog->findChild<QComboBox *>(QStringLiteral("typeChoice"))
                ->setCurrentText(QStringLiteral("*.wav"));
            dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        });
        QTest::keyClick(list, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(form.editList().entries(), QStringList({session.media(QStringLiteral("B.wav")),
                                                         session.media(QStringLiteral("b.wav"))}));

        // Offscreen, nothing gives the window back its activation when the dialog closes.
        session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("sub folder")));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(form.currentFolder(), session.media(QStringLiteral("sub folder/")));
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(form.currentFolder(), session.media());
    }

    // Under X11 no shortcut takes a keypad key: the key press comes to the list itself. Lists that
    // were never shown are in the same case here, as no shortcut acts in a hidden control.
    void keypadKeysComingToAListTriggerItsCommands_data()
    {
        QTest::addColumn<bool>("onPlaylist");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("triggered");
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("keypad +") << false << int(Qt::Key_Plus) << keypad << QStringList{"addTypeToEditList"};
        QTest::newRow("keypad -") << false << int(Qt::Key_Minus) << keypad
                                  << QStringList{"removeTypeFromEditList"};
        QTest::newRow("keypad Enter") << false << int(Qt::Key_Enter) << keypad << QStringList{"openEntry"};
        QTest::newRow("keypad Enter on the playlist")
            << true << int(Qt::Key_Enter) << keypad << QStringList{"playPlaylistEntry"};
        QTest::newRow("keypad + on the playlist") << true << int(Qt::Key_Plus) << keypad << QStringList();
        QTest::newRow("+ of the main keys") << false << int(Qt::Key_Plus) << 0 << QStringList();
        QTest::newRow("keypad 5") << false << int(Qt::Key_5) << keypad << QStringList();
    }

    void keypadKeysComingToAListTriggerItsCommands()
    {
        QFETCH(bool, onPlaylist);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QStringList, triggered);
        QWidget window;
        WindowActions actions(&window);
        EntryListView files(&window);
        EntryListView playlist(&window);
        actions.attachFileListKeys(&files);
        actions.attachPlaylistKeys(&playlist);
        QStringList fired;
        for (QAction *action : window.findChildren<QAction *>())
            connect(action, &QAction::triggered, this,
                    [&fired, action] { fired.append(action->objectName()); });
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        QCoreApplication::sendEvent(onPlaylist ? &playlist : &files, &press);
        QCOMPARE(fired, triggered);
    }

    void playlistButtons()
    {
        Session session;
        writeBytes(session.dataFile("default.m3u"), "/m/a.mp3\r\n/m/b.mp3\r\n/m/c.mp3\r\n");
        MainWindow &form = session.start(session.media());
        auto *playlist = session.child<EntryListView>("playlistView");
        session.child<FlatButton>("playlistToEditListButton")->clicked();
        QCOMPARE(form.editList().entries(), QStringList({"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"}));
        QVERIFY(playlist->items()->isOnEditList(1));
        playlist->setRowSelected(0, true);
        playlist->setRowSelected(2, true);
        session.child<FlatButton>("clearPlaylistSelectionButton")->clicked();
        QCOMPARE(playlist->items()->count(), 1);
        QCOMPARE(playlist->items()->text(0), QStringLiteral("/m/b.mp3"));
        session.child<FlatButton>("clearPlaylistButton")->clicked();
        QCOMPARE(playlist->items()->count(), 0);
    }
};

QObject *createWindowTest()
{
    return new TestWindowLists;
}

#include "tst_lists.moc"
