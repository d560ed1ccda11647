// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FolderNavigator.h"
#include "browse/FolderTree.h"
#include "core/FilePattern.h"
#include "core/MediaTypes.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/UserFolders.h"
#include "mainwindow/PaneArrangement.h"
#include "mainwindow/StartupReads.h"
#include "mainwindow/StartupRestore.h"
#include "mainwindow/TitleStrip.h"
#include "platform/SettingsStore.h"
#include "platform/UnixSignalWatcher.h"
#include "playback/PlaybackOptions.h"
#include "playlist/PlaylistPanel.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"
#include "support/TextRow.h"
#include "widgets/FlatButton.h"
#include "widgets/Slider.h"
#include "widgets/SplitterPane.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <csignal>

class TestWindowArrangement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titleClicksGiveTheirPanelTheMostRoom_data()
    {
        QTest::addColumn<int>("title");
        QTest::addColumn<QString>("assignments");
        QTest::newRow("FOLDERS") << 0 << "folders:80 lists:70 files:50";
        QTest::newRow("FILES") << 1 << "folders:6 files:93 lists:94";
        QTest::newRow("PLAYLIST") << 2 << "folders:6 files:7 lists:94";
        QTest::newRow("PLAYER") << 3 << "folders:6 lists:13 files:50";
        QTest::newRow("no such title") << 4 << "";
    }
    void titleClicksGiveTheirPanelTheMostRoom()
    {
        QFETCH(int, title);
        QFETCH(QString, assignments);
        QStringList made;
        for (const PaneArrangement::Assignment &assignment : PaneArrangement::assignments(title, 5, 5, 5)) {
            const char *splitter = assignment.splitter == PaneArrangement::Splitter::Files   ? "files"
                                   : assignment.splitter == PaneArrangement::Splitter::Lists ? "lists"
                                                                                             : "folders";
            made.append(QStringLiteral("%1:%2").arg(QLatin1String(splitter)).arg(assignment.percent));
        }
        QCOMPARE(made.join(QLatin1Char(' ')), assignments);
    }

    void firstStartUsesTheDefaults()
    {
        // A home folder of the test's own, with a music folder in it.
        TemporaryFolder home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Music")));
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        const auto restoreHome = qScopeGuard([&] { qputenv("HOME", realHome); });
        Session session;
        MainWindow &form = session.start();
        QVERIFY(form.isVisible());
        QCOMPARE(form.windowTitle(), QStringLiteral("Kestrove"));
        const QRect screen = form.screen()->availableGeometry();
        QCOMPARE(form.size(), QSize(qRound(screen.width() * 0.75), qRound(screen.height() * 0.75)));
        QVERIFY(qAbs(form.x() - screen.x() - (screen.width() - form.width()) / 2) <= 1);
        QVERIFY(qAbs(form.y() - screen.y() - (screen.height() - form.height()) / 2) <= 1);
        QCOMPARE(session.child<SplitterPane>("filesSplitter")->leftPercent(), 50);
        QCOMPARE(session.child<SplitterPane>("listsSplitter")->leftPercent(), 70);
        QCOMPARE(session.child<SplitterPane>("foldersSplitter")->leftPercent(), 25);
        QVERIFY(form.playbackOptions()->autoPlayOnClick());
        QVERIFY(form.findChild<QCheckBox *>("autoAdvance")->isEnabled());
        QVERIFY(form.playbackOptions()->rememberPosition());
        QCOMPARE(form.playbackOptions()->speedPercent(), 100);
        // Until a file is opened, laid out as the window is shown.
        QCOMPARE(form.findChild<QLabel *>("speedLabel")->text(), QStringLiteral("Movie/Mp3  speed:100%"));
        QCOMPARE(form.findChild<Slider *>("speedSlider")->findChild<QAction *>("settomin")->text(),
                 QStringLiteral("1%"));
        QCOMPARE(form.findChild<QComboBox *>("startOffset")->count(), 10);
        QCOMPARE(form.findChild<QComboBox *>("startOffset")->itemText(9), QStringLiteral("90 %"));
        QCOMPARE(form.findChild<QComboBox *>("slideDelay")->count(), 30);
        QCOMPARE(form.findChild<QComboBox *>("slideDelay")->itemText(0), QStringLiteral("1 Sec."));
        // The music folder is shown, and the tree offers the home folder and the music folder
        // before the computer's volumes.
        QCOMPARE(form.currentFolder(), home.path() + QStringLiteral("/Music/"));
        auto *tree = session.child<FolderTree>("folderTree");
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(2)->text(0), FolderNavigator::computerRootText());
        QCOMPARE(tree->selectedPath(), form.currentFolder());
        QCOMPARE(tree->currentItem(), tree->topLevelItem(1));
        QCOMPARE(session.stored(QStringLiteral("FirstUse")), QStringLiteral("false"));
        QCOMPARE(session.stored(QStringLiteral("AutoPlay")), QStringLiteral("<absent>"));
        QVERIFY(session.prompter.questions().isEmpty());
        // Folders dropped on the EditList collect every type.
        for (int row = 0; row < MediaTypes::AllCount; ++row)
            QVERIFY2(form.mediaTypes().dragDrop(row), qPrintable(form.mediaTypes().extension(row)));
    }

    void storedValuesAreAppliedAndWrittenBack()
    {
        Session session;
        const QList<std::pair<const char *, QString>> values = {
            {"DefLeft", "30"},        {"DefLeft2", "60"},     {"DefLeft3", "40"},
            {"left", "1500"},         {"top", "1200"},        {"width", "9000"},
            {"height", "6000"},       {"winstate", "normal"}, {"AutoPlay", "1"},
            {"AutoPlayStart", "1"},   {"AutoPlayNext", "1"},  {"RestoreSpeed", "1"},
            {"MaintainSpeed", "1"},   {"CurSpeed", "150"},    {"Offset", "3"},
            {"Slide", "5"},           {"RemPos", "0"},        {"LastPos", "123456"},
            {"LastFile", "/m/x.mp3"}, {"FirstUse", "false"},  {"LastPath", session.media()},
        };
        for (const auto &[key, value] : values)
            session.preset(QLatin1String(key), value);
        session.preset(QStringLiteral("showallfiles"), QStringLiteral("1"));
        session.preset(QStringLiteral("FileFlySize"), QStringLiteral("0"));
        session.preset(QStringLiteral("VideoFlySize"), QStringLiteral("1"));
        session.preset(QStringLiteral("AutoMini"), QStringLiteral("0"));
        session.preset(QStringLiteral("2"), QStringLiteral("True"), QStringLiteral("DragNDropExt"));

        MainWindow &form = session.start();
        QCOMPARE(session.child<SplitterPane>("filesSplitter")->leftPercent(), 30);
        QCOMPARE(session.child<SplitterPane>("foldersSplitter")->leftPercent(), 40);
        QCOMPARE(form.pos(), QPoint(100, 80));
        QCOMPARE(form.size(), QSize(600, 400));
        QVERIFY(form.playbackOptions()->autoPlayAtStart());
        QVERIFY(form.playbackOptions()->autoAdvance());
        QCOMPARE(form.playbackOptions()->speedPercent(), 150);
        QCOMPARE(form.playbackOptions()->startOffsetChoice(), 3);
        QCOMPARE(form.playbackOptions()->slideDelayChoice(), 5);
        QVERIFY(!form.playbackOptions()->rememberPosition());
        QCOMPARE(form.lastPosition(), 123456);
        QCOMPARE(form.currentFile(), QStringLiteral("/m/x.mp3"));
        QCOMPARE(form.currentFolder(), session.media());
        QVERIFY(form.showAll());
        QVERIFY(form.filePattern().matches(QStringLiteral("readme.txt")));
        QVERIFY(!form.minimiseForEditList());
        QVERIFY(!session.child<SplitterPane>("filesSplitter")->liveResize());
        QVERIFY(session.child<SplitterPane>("listsSplitter")->liveResize());
        QVERIFY(form.mediaTypes().dragDrop(2));
        QVERIFY(!form.mediaTypes().dragDrop(3));

        session.close();
        for (const auto &[key, value] : values)
            QCOMPARE(session.stored(QLatin1String(key)), value);
        QCOMPARE(session.stored(QStringLiteral("2"), QStringLiteral("DragNDropExt")), QStringLiteral("True"));
        QCOMPARE(session.stored(QStringLiteral("3"), QStringLiteral("DragNDropExt")),
                 QStringLiteral("False"));
    }

    void badStoredValuesLeaveTheirTargetsAlone()
    {
        Session session;
        const QList<std::pair<const char *, const char *>> values = {
            {"RestoreSpeed", "1"},     {"CurSpeed", "500"}, {"Offset", "12"},
            {"Slide", "abc"},          {"winstate", "Max"}, {"FileFlySize", "-1"},
            {"width", "wide"},         {"DefLeft", "-20"},  {"DefLeft2", "400"},
            {"LastPos", "9999999999"}, {"AutoPlay", "7"},   {"LastPath", "/no/such/folder/"},
        };
        for (const auto &[key, value] : values)
            session.preset(QLatin1String(key), QLatin1String(value));
        session.preset(QStringLiteral("4"), QStringLiteral("perhaps"), QStringLiteral("DragNDropExt"));

        MainWindow &form = session.start();
        QVERIFY(form.isVisible());
        QCOMPARE(form.playbackOptions()->speedPercent(), 100);
        QCOMPARE(form.playbackOptions()->startOffsetChoice(), 0);
        QCOMPARE(form.playbackOptions()->slideDelayChoice(), 0);
        QVERIFY(!form.isMaximized());
        QVERIFY(!session.child<SplitterPane>("filesSplitter")->liveResize());
        QCOMPARE(form.width(), qRound(form.screen()->availableGeometry().width() * 0.75));
        QCOMPARE(session.child<SplitterPane>("filesSplitter")->leftPercent(), 5);
        QCOMPARE(session.child<SplitterPane>("listsSplitter")->leftPercent(), 99);
        QCOMPARE(form.lastPosition(), 0);
        QVERIFY(form.playbackOptions()->autoPlayOnClick());
        QVERIFY(!form.mediaTypes().dragDrop(4));
        QCOMPARE(form.currentFolder(), FolderNavigator::computerRootText());
    }

    void modernTypesAreListedWhenAskedFor_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("listed");
        QTest::newRow("absent") << QString() << true;
        QTest::newRow("off") << "0" << false;
        QTest::newRow("on") << "1" << true;
        QTest::newRow("garbage") << "yes please" << false;
    }
    void modernTypesAreListedWhenAskedFor()
    {
        QFETCH(QString, stored);
        QFETCH(bool, listed);
        Session session;
        writeBytes(session.media(QStringLiteral("photo.png")), "x");
        writeBytes(session.media(QStringLiteral("film.mkv")), "x");
        if (!stored.isNull())
            session.preset(QStringLiteral("ModernTypes"), stored);
        session.preset(QStringLiteral("25"), QStringLiteral("True"), QStringLiteral("DragNDropExt"));
        MainWindow &form = session.start(session.media());
        auto *list = session.child<EntryListView>("fileList");
        QCOMPARE(list->items()->findItem(QStringLiteral("photo.png")) > 0, listed);
        QCOMPARE(list->items()->findItem(QStringLiteral("film.mkv")) > 0, listed);
        QCOMPARE(form.mediaTypes().isPicture(QStringLiteral("photo.png")), listed);
        // The flag of a modern row is kept whether or not the modern types are shown.
        QVERIFY(form.mediaTypes().dragDrop(25));
        session.close();
        QCOMPARE(session.stored(QStringLiteral("25"), QStringLiteral("DragNDropExt")),
                 QStringLiteral("True"));
        QCOMPARE(session.stored(QStringLiteral("20"), QStringLiteral("DragNDropExt")),
                 QStringLiteral("False"));
    }

    void theStartReadsWhileTheWindowIsBuilt_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("lastPath");
        QTest::addColumn<QString>("modernTypes");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("large");
        textRow("last folder", {"", "media/", "", "media/"}) << false;
        textRow("a file on the command line", {"media/a b.mp3", "", "", "media/"}) << false;
        textRow("a folder without its separator", {"media/sub folder", "media/", "", "media/sub folder/"})
            << false;
        textRow("modern types turned off", {"", "media/", "0", "media/"}) << false;
        textRow("a folder that is gone", {"", "gone/", "", ""}) << false;
        textRow("nothing shown last: the first start's folder", {"", "", "", "first start"}) << false;
        // Read on a thread of its own, as a large folder is.
        textRow("a large start folder", {"", "media/", "", "media/"}) << true;
    }
    void theStartReadsWhileTheWindowIsBuilt()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, lastPath);
        QFETCH(QString, modernTypes);
        QFETCH(QString, folder);
        QFETCH(bool, large);
        Session session;
        const auto inSession = [&](const QString &path) {
            return path.isEmpty() ? path : session.media().chopped(6) + path;
        };
        writeBytes(session.dataFile("files.ini"), (session.media(QStringLiteral("B.wav")) + "\r\n").toUtf8());
        writeBytes(session.dataFile("default.m3u"), "/m/a.mp3\r\n/m/b.mp3\r\n");
        writeBytes(session.media(QStringLiteral("film.mkv")), "x");
        if (!lastPath.isEmpty())
            session.preset(QStringLiteral("LastPath"), inSession(lastPath));
        if (!modernTypes.isEmpty())
            session.preset(QStringLiteral("ModernTypes"), modernTypes);

        // As the program's start does it, before the window is built.
        SettingsStore store(session.iniPath());
        const Settings settings(store);
        const QString startFolder = StartupRestore::startFolder(inSession(commandLine), settings);
        if (folder == QLatin1String("first start")) {
            QCOMPARE(startFolder, UserFolders::firstStart());
            return;
        }
        QCOMPARE(startFolder, inSession(folder));
        const FilePattern pattern = StartupRestore::listingPattern(settings);
        StartupReads reads(session.dataFile(""), startFolder, pattern,
                           large ? 0 : StartupReads::LargeFolderBytes);
        QCOMPARE(reads.startFolder() != nullptr, !startFolder.isEmpty());
        MainWindow &form = session.start(inSession(commandLine), false, false, &reads);
        QCOMPARE(session.child<PlaylistPanel>("playlistPanel")->paths(),
                 QStringList({"/m/a.mp3", "/m/b.mp3"}));
        if (startFolder.isEmpty())
            return;
        QCOMPARE(form.currentFolder(), startFolder);
        // The listing took the read: none is left, and the list is what a read now gives.
        QVERIFY(!reads.startFolder()->take(startFolder, pattern));
        const FolderReader::Contents now = FolderReader::read(startFolder, pattern);
        auto *list = session.child<EntryListView>("fileList")->items();
        QCOMPARE(list->texts(), QStringList{".."} + now.folders + now.files);
        QCOMPARE(list->findItem(QStringLiteral("film.mkv")) > 0,
                 startFolder == session.media() && modernTypes != QLatin1String("0"));
        // The EditList read at start marks its file.
        if (startFolder == session.media())
            QVERIFY(list->isOnEditList(list->findItem(QStringLiteral("B.wav"))));
    }

    void garbageEverywhereNeverStopsStartUp()
    {
        Session session;
        const QString garbage = QString::fromUtf8("\xef\xbf\xbd\x01junk \"quoted\" ;, =");
        for (int key = 0; key < SettingKeys::Count; ++key)
            session.preset(QLatin1String(SettingKeys::definition(SettingKey(key)).key), garbage);
        writeBytes(session.dataFile("files.ini"), QByteArray("\x00\xff\r\n\n", 5) + QByteArray(70000, 'z'));
        writeBytes(session.dataFile("default.m3u"), QByteArray("\xff\xfe\x00\x00\r", 5));
        MainWindow &form = session.start();
        QVERIFY(form.isVisible());
        QCOMPARE(form.editList().count(), 2);
        session.close();
    }

    void theWindowStateIsRestoredAndTheRectangleKept_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shownAs");
        QTest::addColumn<QString>("storedAfter");
        textRow("stored max maximises", {"max", "as started", "max"});
        textRow("closed minimised", {"normal", "minimised", "normal"});
        textRow("closed maximised", {"normal", "maximised", "max"});
    }
    void theWindowStateIsRestoredAndTheRectangleKept()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shownAs);
        QFETCH(QString, storedAfter);
        Session session;
        session.preset(QStringLiteral("left"), QStringLiteral("1500"));
        session.preset(QStringLiteral("width"), QStringLiteral("9000"));
        session.preset(QStringLiteral("winstate"), stored);
        MainWindow &form = session.start();
        QCOMPARE(form.isMaximized(), stored == QLatin1String("max"));
        if (shownAs == QLatin1String("maximised"))
            form.showMaximized();
        else if (shownAs == QLatin1String("minimised"))
            form.showMinimized();
        session.close();
        QCOMPARE(session.stored(QStringLiteral("left")), QStringLiteral("1500"));
        QCOMPARE(session.stored(QStringLiteral("width")), QStringLiteral("9000"));
        QCOMPARE(session.stored(QStringLiteral("winstate")), storedAfter);
    }

    // Settings are written when the program ends, however it is ended, and only then.
    void settingsAreWrittenWhenTheProgramEnds_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QString>("lastPath");
        QTest::newRow("close box") << "close" << true << "";
        QTest::newRow("termination signal") << "signal" << true << "";
        QTest::newRow("closed during start-up") << "start-up" << true << "B.wav";
        QTest::newRow("EditList window open") << "EditList open" << false << QString();
        QTest::newRow("second copy closed before its message") << "second copy" << true << QString();
    }
    void settingsAreWrittenWhenTheProgramEnds()
    {
        QFETCH(QString, how);
        QFETCH(bool, ends);
        QFETCH(QString, lastPath);
        Session session;
        session.preset(QStringLiteral("FirstUse"), QStringLiteral("false"));
        const QByteArray settingsBefore = readBytes(session.iniPath());
        if (how == QLatin1String("start-up")) {
            // An EditList that cannot be read: the start-up says so, and the window is closed
            // while it does.
            QDir().mkpath(session.dataFile("files.ini"));
            session.start(session.media(QStringLiteral("B.wav")), false, true);
            QCOMPARE(session.prompter.questions().size(), 1);
        } else {
            session.start(how == QLatin1String("second copy") ? QString() : session.media(),
                          how == QLatin1String("second copy"));
        }
        MainWindow &form = *session.window;
        QWidget editList;
        UnixSignalWatcher watcher;
        connect(&watcher, &UnixSignalWatcher::terminationRequested, &form, &MainWindow::close);
        if (how == QLatin1String("close") || how == QLatin1String("second copy")) {
            QVERIFY(form.close());
        } else if (how == QLatin1String("signal")) {
            ::raise(SIGTERM);
            QTRY_VERIFY(!form.isVisible());
        } else if (how == QLatin1String("EditList open")) {
            form.setEditListWindow(&editList);
            QVERIFY(!form.close());
            QVERIFY(editList.isVisible());
        } else {
            QVERIFY(!session.loaded);
        }
        QCOMPARE(form.isVisible(), !ends);
        if (lastPath.isNull())
            QCOMPARE(readBytes(session.iniPath()), settingsBefore);
        else
            QCOMPARE(session.stored(QStringLiteral("LastPath")), session.media(lastPath));
    }

    void aSessionEndingOnASignalWaitsOnNobody()
    {
        Session session;
        session.preset(QStringLiteral("FirstUse"), QStringLiteral("false"));
        MainWindow &form = session.start(session.media());
        form.editList().append(QStringLiteral("/m/a.mp3"));
        // A list that cannot be written: something else holds its name.
        QVERIFY(QDir().mkpath(session.dataFile("files.ini") + QStringLiteral("/kept")));
        QTest::ignoreMessage(QtCriticalMsg,
                             QRegularExpression(QStringLiteral("^The EditList could not be saved")));
        form.closeOnRequest();
        QVERIFY(!form.isVisible());
        QVERIFY(session.prompter.questions().isEmpty());
        QVERIFY(QFileInfo(session.dataFile("files.ini") + QStringLiteral("/kept")).isDir());
    }

    void secondCopyWritesNothing()
    {
        Session session;
        session.preset(QStringLiteral("FirstUse"), QStringLiteral("false"));
        session.preset(QStringLiteral("AutoPlay"), QStringLiteral("0"));
        writeBytes(session.dataFile("default.m3u"), "/m/a.mp3\n/m/b.mp3\n");
        writeBytes(session.dataFile("files.ini"), "/m/a.mp3\r\n");
        const QByteArray settingsBefore = readBytes(session.iniPath());

        bool shownWhileAsked = true;
        session.prompter.setWhileAsked(
            [&session, &shownWhileAsked] { shownWhileAsked = session.window->isVisible(); });
        MainWindow &form = session.start(QString(), true);
        // Only the message: no window behind it, and no event loop after it.
        QVERIFY(!shownWhileAsked);
        QVERIFY(!session.loaded);
        QVERIFY(!form.isVisible());
        form.close();
        QCOMPARE(session.prompter.questions().size(), 1);
        const ScriptedPrompter::Question &question = session.prompter.questions().first();
        QCOMPARE(question.text, QStringLiteral("Kestrove is allready running !"));
        QCOMPARE(question.title, QStringLiteral("Kestrove"));
        QCOMPARE(question.icon, Prompter::Icon::Exclamation);
        QCOMPARE(question.buttons, Prompter::Buttons::Ok);
        QCOMPARE(readBytes(session.iniPath()), settingsBefore);
        QCOMPARE(readBytes(session.dataFile("files.ini")), QByteArray("/m/a.mp3\r\n"));
        QCOMPARE(readBytes(session.dataFile("default.m3u")), QByteArray("/m/a.mp3\n/m/b.mp3\n"));
    }

    void absurdWindowRectanglesComeBackOnTheScreen()
    {
        Session session;
        session.preset(QStringLiteral("left"), QStringLiteral("-99999999"));
        session.preset(QStringLiteral("top"), QStringLiteral("-30000"));
        session.preset(QStringLiteral("height"), QStringLiteral("99999999999"));
        MainWindow &window = session.start();
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(screen.contains(window.geometry()));
        session.close();
        for (const char *key : {"left", "top", "width", "height"}) {
            bool whole = false;
            session.stored(QLatin1String(key)).toLongLong(&whole);
            QVERIFY2(whole, key);
        }
    }

    void aDialogOpenedWhileHoveringAButtonTakesClicks()
    {
        Session session;
        session.start();
        auto *about = session.child<FlatButton>("aboutButton");
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), about->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(about, &move);
        QVERIFY(about->hovering());
        bool closedByClick = false;
        QTimer::singleShot(0, this, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
            closedByClick = !dialog->isVisible();
            if (!closedByClick)
                dialog->close();
        });
        session.child<QAction>("about")->trigger();
        QVERIFY(closedByClick);
    }

    void panesFollowTheirSplitters_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::newRow("default") << QSize(753, 452);
        QTest::newRow("small") << QSize(600, 400);
        QTest::newRow("large") << QSize(1200, 760);
    }
    void panesFollowTheirSplitters()
    {
        QFETCH(QSize, window);
        Session session;
        MainWindow &form = session.start(session.media());
        form.resize(window);
        QCoreApplication::processEvents();
        auto *outer = session.child<SplitterPane>("foldersSplitter");
        auto *middle = session.child<SplitterPane>("listsSplitter");
        auto *inner = session.child<SplitterPane>("filesSplitter");
        auto *video = session.child<QWidget>("mediaView");
        // The panes take what their splitter reports, in pixels.
        QCOMPARE(middle->x(), qRound(outer->rightPos() / 15.0));
        QCOMPARE(middle->width(), qRound(outer->rightWidth() / 15.0));
        QCOMPARE(inner->width(), qRound(middle->leftWidth() / 15.0));
        QCOMPARE(session.child<QWidget>("folderTree")->width(), qRound(outer->leftWidth() / 15.0));
        QCOMPARE(session.child<TitleStrip>("playlistTitle")->x(), qRound(inner->rightPos() / 15.0));
        // The media window is square; the read-out, then the information box follow below it.
        QCOMPARE(video->width(), video->height());
        auto *strip = session.child<QWidget>("playerControls");
        auto *info = session.child<QWidget>("fileInformationArea");
        QCOMPARE(strip->y(), video->geometry().bottom() + 3);
        QCOMPARE(info->y(), strip->geometry().bottom() + 1);
        QVERIFY(info->geometry().bottom() <= middle->height());
        // The playlist's button panel sits right below the playlist.
        auto *playlist = session.child<QWidget>("playlistView");
        auto *panel = session.child<QWidget>("playlistButtons");
        QCOMPARE(panel->y(), playlist->geometry().bottom() + 2);
        QCOMPARE(panel->width(), playlist->width());
        QVERIFY(panel->geometry().bottom() <= inner->height());
        auto *clearSel = session.child<QWidget>("clearPlaylistSelectionButton");
        auto *clearAll = session.child<QWidget>("clearPlaylistButton");
        QCOMPARE(clearAll->x(), clearSel->geometry().right() + 2);
    }

    void titleStripsArrangeThePanels()
    {
        Session session;
        session.start();
        auto *files = session.child<TitleStrip>("filesTitle");
        QTest::mouseClick(files, Qt::LeftButton);
        QCOMPARE(session.child<SplitterPane>("foldersSplitter")->leftPercent(), 6);
        QCOMPARE(session.child<SplitterPane>("filesSplitter")->leftPercent(), 93);
        QCOMPARE(session.child<SplitterPane>("listsSplitter")->leftPercent(), 94);
        QTest::mouseClick(session.child<TitleStrip>("foldersTitle"), Qt::LeftButton);
        QCOMPARE(session.child<SplitterPane>("foldersSplitter")->leftPercent(), 80);
        QTest::mouseClick(session.child<TitleStrip>("playerTitle"), Qt::RightButton);
        auto *arrange = session.window->findChild<QMenu *>(QStringLiteral("arrangeMenu"));
        QTRY_VERIFY(arrange->isVisible());
        arrange->findChild<QAction *>(QStringLiteral("autoArrange"))->trigger();
        arrange->close();
        QCOMPARE(session.child<SplitterPane>("foldersSplitter")->leftPercent(), 25);
        QCOMPARE(session.child<SplitterPane>("listsSplitter")->leftPercent(), 70);
        QCOMPARE(session.child<SplitterPane>("filesSplitter")->leftPercent(), 50);
    }

    void preferencesAreAppliedWhenTheWindowCloses()
    {
        Session session;
        MainWindow &form = session.start(session.media());
        QVERIFY(!form.showAll());
        QTimer::singleShot(0, this, [] {
            QWidget *window = QApplication::activeModalWidget();
            QVERIFY(window);
            QCOMPARE(window->windowTitle(), QStringLiteral("Kestrove Setup"));
            window->findChild<QCheckBox *>(QStringLiteral("showAllFiles"))->setChecked(true);
            window->findChild<QCheckBox *>(QStringLiteral("liveResizeLists"))->setChecked(false);
            window->findChild<QPushButton *>(QStringLiteral("closeButton"))->click();
        });
        session.child<QAction>("preferences")->trigger();
        QVERIFY(form.showAll());
        QVERIFY(!session.child<SplitterPane>("filesSplitter")->liveResize());
        QVERIFY(session.child<EntryListView>("fileList")->items()->findItem(QStringLiteral("readme.txt")) >
                0);
    }
};

QObject *createWindowTest()
{
    return new TestWindowArrangement;
}

#include "tst_arrangement.moc"
