// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileInformation.h"
#include "browse/FolderNavigator.h"
#include "browse/FolderTree.h"
#include "browse/PathBar.h"
#include "core/FilePattern.h"
#include "core/MediaTypes.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/UserFolders.h"
#include "editlist/EditListWindow.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/PaneArrangement.h"
#include "mainwindow/StartupReads.h"
#include "mainwindow/StartupRestore.h"
#include "mainwindow/TitleStrip.h"
#include "mainwindow/WindowActions.h"
#include "pictures/PicturePanel.h"
#include "platform/FileIconProvider.h"
#include "platform/NativePath.h"
#include "platform/SettingsStore.h"
#include "platform/UnixSignalWatcher.h"
#include "playback/LevelMeterPicture.h"
#include "playback/MediaPlayer.h"
#include "playback/MprisService.h"
#include "playback/PlaybackOptionsPanel.h"
#include "playlist/PlaylistPanel.h"
#include "support/FakePlayer.h"
#include "support/FolderTrash.h"
#include "support/ScriptedPrompter.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"
#include "widgets/FlatButton.h"
#include "widgets/Slider.h"
#include "widgets/SplitterPane.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// One run of the program against a settings file and a data folder of the test's own.
class Session
{
    // Declared first: the trash folder lives inside it.
    TemporaryFolder m_dir;

public:
    Session()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("data"));
        QDir(m_dir.path()).mkpath(QStringLiteral("media/sub folder"));
        for (const char *name :
             {"media/a b.mp3", "media/B.wav", "media/b.wav", "media/readme.txt", "media/sub folder/c.mp3"})
            writeBytes(m_dir.filePath(QLatin1String(name)), "x");
    }

    QString media(const QString &name = QString()) const
    {
        return m_dir.filePath(QStringLiteral("media/")) + name;
    }
    QString dataFile(const char *name) const
    {
        return m_dir.filePath(QStringLiteral("data/")) + QLatin1String(name);
    }
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Kestrove.ini")); }

    void preset(const QString &key, const QString &value, const QString &section = QStringLiteral("General"))
    {
        SettingsStore store(iniPath());
        store.setValue(section, key, value);
        store.sync();
    }
    QString stored(const QString &key, const QString &section = QStringLiteral("General")) const
    {
        return SettingsStore(iniPath()).value(section, key, QStringLiteral("<absent>"));
    }

    MainWindow &start(const QString &commandLine = QString(), bool anotherInstance = false,
                      bool closeDuringStartUp = false, StartupReads *reads = nullptr)
    {
        m_store = std::make_unique<SettingsStore>(iniPath());
        m_settings = std::make_unique<Settings>(*m_store);
        const AppServices services{m_settings.get(),
                                   &prompter,
                                   &icons,
                                   &trash,
                                   &player,
                                   m_dir.filePath(QStringLiteral("data")),
                                   [this] {
                                       auto made = std::make_unique<FakePlayer>();
                                       secondPlayer = made.get();
                                       return made;
                                   }};
        window = std::make_unique<MainWindow>(services, StartOptions{commandLine, anotherInstance, reads});
        // A start-up closes during start-up only while a question it asks is up.
        if (closeDuringStartUp)
            prompter.setWhileAsked([this] { window->close(); });
        loaded = window->load();
        prompter.setWhileAsked({});
        settle();
        return *window;
    }
    // Waits until the folder shown is listed whole, as a person waits for the list to fill.
    void settle() const
    {
        if (const auto *navigator = window ? window->findChild<FolderNavigator *>() : nullptr)
            QVERIFY(QTest::qWaitFor([navigator] { return !navigator->isListing(); }, 10000));
    }
    void close()
    {
        window->close();
        m_store->sync();
    }

    // Keys of a control act only while it has the focus in the active window.
    template <typename T> T *focused(const char *name) const
    {
        settle();
        QApplication::setActiveWindow(window.get());
        T *control = child<T>(name);
        control->setFocus();
        return control;
    }

    template <typename T> T *child(const char *name) const
    {
        settle();
        return window->findChild<T *>(QLatin1String(name));
    }

    ScriptedPrompter prompter;
    FileIconProvider icons;
    FakePlayer player;
    // The player of the separate window while one is open.
    FakePlayer *secondPlayer = nullptr;
    FolderTrash trash{m_dir.filePath(QStringLiteral("trash"))};
    std::unique_ptr<MainWindow> window;
    bool loaded = false;

private:
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<Settings> m_settings;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    QList<QUrl> m_urlsOpened;

public Q_SLOTS:
    // Stands in for the desktop's default programs.
    void openUrl(const QUrl &url) { m_urlsOpened.append(url); }

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
        QVERIFY(form.options()->autoPlay->isChecked());
        QVERIFY(form.options()->autoAdvance->isEnabled());
        QVERIFY(form.options()->rememberPosition->isChecked());
        QCOMPARE(form.options()->speedSlider->value(), 100);
        // Until a file is opened, laid out as the window is shown.
        QCOMPARE(form.options()->speedLabel->text(), QStringLiteral("Movie/Mp3  speed:100%"));
        QCOMPARE(form.options()->speedSlider->findChild<QAction *>("settomin")->text(), QStringLiteral("1%"));
        QCOMPARE(form.options()->startOffset->count(), 10);
        QCOMPARE(form.options()->startOffset->itemText(9), QStringLiteral("90 %"));
        QCOMPARE(form.options()->slideDelay->count(), 30);
        QCOMPARE(form.options()->slideDelay->itemText(0), QStringLiteral("1 Sec."));
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
        QVERIFY(form.options()->autoPlayAtStart->isChecked());
        QVERIFY(form.options()->autoAdvance->isChecked());
        QCOMPARE(form.options()->speedSlider->value(), 150);
        QCOMPARE(form.options()->startOffset->currentIndex(), 3);
        QCOMPARE(form.options()->slideDelay->currentIndex(), 5);
        QVERIFY(!form.options()->rememberPosition->isChecked());
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
        session.preset(QStringLiteral("RestoreSpeed"), QStringLiteral("1"));
        session.preset(QStringLiteral("CurSpeed"), QStringLiteral("500"));
        session.preset(QStringLiteral("Offset"), QStringLiteral("12"));
        session.preset(QStringLiteral("Slide"), QStringLiteral("abc"));
        session.preset(QStringLiteral("winstate"), QStringLiteral("Max"));
        session.preset(QStringLiteral("FileFlySize"), QStringLiteral("-1"));
        session.preset(QStringLiteral("width"), QStringLiteral("wide"));
        session.preset(QStringLiteral("DefLeft"), QStringLiteral("-20"));
        session.preset(QStringLiteral("DefLeft2"), QStringLiteral("400"));
        session.preset(QStringLiteral("LastPos"), QStringLiteral("9999999999"));
        session.preset(QStringLiteral("AutoPlay"), QStringLiteral("7"));
        session.preset(QStringLiteral("LastPath"), QStringLiteral("/no/such/folder/"));
        session.preset(QStringLiteral("4"), QStringLiteral("perhaps"), QStringLiteral("DragNDropExt"));

        MainWindow &form = session.start();
        QVERIFY(form.isVisible());
        QCOMPARE(form.options()->speedSlider->value(), 100);
        QCOMPARE(form.options()->startOffset->currentIndex(), 0);
        QCOMPARE(form.options()->slideDelay->currentIndex(), 0);
        QVERIFY(!form.isMaximized());
        QVERIFY(!session.child<SplitterPane>("filesSplitter")->liveResize());
        QCOMPARE(form.width(), qRound(form.screen()->availableGeometry().width() * 0.75));
        QCOMPARE(session.child<SplitterPane>("filesSplitter")->leftPercent(), 5);
        QCOMPARE(session.child<SplitterPane>("listsSplitter")->leftPercent(), 99);
        QCOMPARE(form.lastPosition(), 0);
        QVERIFY(form.options()->autoPlay->isChecked());
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
        QTest::newRow("last folder") << ""
                                     << "media/"
                                     << ""
                                     << "media/" << false;
        QTest::newRow("a file on the command line") << "media/a b.mp3"
                                                    << ""
                                                    << ""
                                                    << "media/" << false;
        QTest::newRow("a folder without its separator") << "media/sub folder"
                                                        << "media/"
                                                        << ""
                                                        << "media/sub folder/" << false;
        QTest::newRow("modern types turned off") << ""
                                                 << "media/"
                                                 << "0"
                                                 << "media/" << false;
        QTest::newRow("a folder that is gone") << ""
                                               << "gone/"
                                               << ""
                                               << "" << false;
        QTest::newRow("nothing shown last: the first start's folder") << ""
                                                                      << ""
                                                                      << ""
                                                                      << "first start" << false;
        // Read on a thread of its own, as a large folder is.
        QTest::newRow("a large start folder") << ""
                                              << "media/"
                                              << ""
                                              << "media/" << true;
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
        QTest::newRow("stored max maximises") << "max"
                                              << "as started"
                                              << "max";
        QTest::newRow("closed minimised") << "normal"
                                          << "minimised"
                                          << "normal";
        QTest::newRow("closed maximised") << "normal"
                                          << "maximised"
                                          << "max";
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

    void undecodableNamesAreListedApartAndDeletedExactly()
    {
        Session session;
        const QByteArray media = QFile::encodeName(session.media());
        writeNative(media + "bad\xff.wav");
        writeNative(media + "bad\xef\xbf\xbd.wav");
        session.preset(QStringLiteral("DeleteConfirm"), QStringLiteral("0"));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        const int raw = list->items()->findItem(NativePath::fromBytes("bad\xff.wav"));
        QVERIFY(raw > 0);
        QVERIFY(list->items()->findItem(QString::fromUtf8("bad\xef\xbf\xbd.wav")) > 0);
        list->setCurrentRow(raw);
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(!existsNative(media + "bad\xff.wav"));
        QVERIFY(existsNative(media + "bad\xef\xbf\xbd.wav"));
        QCOMPARE(session.trash.recycled().size(), 1);
    }

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

    void autoAdvanceIsOffWhileAutoplayIsOff()
    {
        Session session;
        session.preset(QStringLiteral("AutoPlay"), QStringLiteral("0"));
        session.preset(QStringLiteral("AutoPlayNext"), QStringLiteral("1"));
        MainWindow &window = session.start(session.media());
        QCheckBox *advance = window.options()->autoAdvance;
        QVERIFY(!advance->isChecked() && !advance->isEnabled());
        session.focused<EntryListView>("fileList");
        QTest::keyClick(session.child<EntryListView>("fileList"), Qt::Key_F2);
        QVERIFY(!advance->isChecked());
        session.close();
        QCOMPARE(session.stored(QStringLiteral("AutoPlayNext")), QStringLiteral("0"));
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

    void aPartThePlayerCannotLoadIsSaid()
    {
        Session session;
        session.start(session.media());
        session.prompter.clear();
        const QString text = QStringLiteral("The player for sound and video (libmpv) cannot be loaded: gone");
        Q_EMIT session.player.partUnavailable(text);
        QCOMPARE(session.prompter.questions().size(), 1);
        QCOMPARE(session.prompter.questions().first().text, text);
        QCOMPARE(session.prompter.questions().first().icon, Prompter::Icon::Exclamation);
    }

    void clickingAFilePlaysIt()
    {
        Session session;
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->resize(300, 300);
        session.player.calls.clear();
        const QModelIndex entry = list->items()->index(list->items()->findItem(QStringLiteral("b.wav")));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
        QCOMPARE(list->currentRow(), entry.row());
        QVERIFY(session.player.calls.contains("open " + session.media(QStringLiteral("b.wav"))));
    }

    void aClickOnTheChosenSongStartsItAgainUnlessItPlays_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("playing");
        QTest::newRow("file list, paused: from the start") << "fileList" << false;
        QTest::newRow("file list, playing: plays on") << "fileList" << true;
        QTest::newRow("playlist, paused: from the start") << "playlistView" << false;
        QTest::newRow("playlist, playing: plays on") << "playlistView" << true;
    }
    void aClickOnTheChosenSongStartsItAgainUnlessItPlays()
    {
        QFETCH(QString, list);
        QFETCH(bool, playing);
        Session session;
        session.start(session.media());
        const QString song = session.media(QStringLiteral("b.wav"));
        auto *files = session.focused<EntryListView>("fileList");
        auto *playlist = session.child<EntryListView>("playlistView");
        playlist->items()->addItem(session.media(QStringLiteral("a b.mp3")));
        playlist->items()->addItem(song);
        files->setCurrentRow(files->items()->findItem(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(song);
        session.player.advanceTo(40000);
        if (!playing)
            session.player.pause();
        session.player.calls.clear();
        auto *clicked = session.child<EntryListView>(list.toLatin1().constData());
        clicked->resize(300, 300);
        const QModelIndex entry = clicked->items()->index(
            clicked->items()->findItem(list == QLatin1String("fileList") ? QStringLiteral("b.wav") : song));
        QTest::mouseClick(clicked->viewport(), Qt::LeftButton, {}, clicked->visualRect(entry).center());
        if (playing) {
            QCOMPARE(session.player.calls, QStringList());
            return;
        }
        QCOMPARE(session.player.calls, QStringList({"stop", "open " + song}));
        Q_EMIT session.player.fileOpened(song);
        QCOMPARE(session.player.position(), qint64(0));
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
    }

    void enterAndDoubleClickPlayAFileWhateverTheAutoplay_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<bool>("played");
        QTest::addColumn<QString>("modal");
        QTest::newRow("Enter on a sound") << "b.wav" << false << true << QString();
        QTest::newRow("double click on a sound") << "b.wav" << true << true << QString();
        QTest::newRow("Enter on a picture") << "green.bmp" << false << false << "pictureViewer";
        QTest::newRow("double click on a picture") << "green.bmp" << true << false << QString();
    }
    void enterAndDoubleClickPlayAFileWhateverTheAutoplay()
    {
        QFETCH(QString, entry);
        QFETCH(bool, doubleClick);
        QFETCH(bool, played);
        QFETCH(QString, modal);
        Session session;
        session.preset(QStringLiteral("AutoPlay"), QStringLiteral("0"));
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(session.media(QStringLiteral("green.bmp"))));
        MainWindow &form = session.start(session.media());
        QVERIFY(!form.options()->autoPlay->isChecked());
        auto *list = session.focused<EntryListView>("fileList");
        list->resize(300, 400);
        const QModelIndex index = list->items()->index(list->items()->findItem(entry));
        list->setCurrentIndex(index);
        QVERIFY(!session.player.calls.contains(QStringLiteral("play")));
        QString viewed;
        QTimer::singleShot(0, [&] {
            QWidget *shown = QApplication::activeModalWidget();
            viewed = shown ? shown->objectName() : QString();
            if (shown)
                QTest::keyClick(shown, Qt::Key_Escape);
        });
        if (doubleClick) {
            // The double click's event comes after the first click's.
            const QPoint at = list->visualRect(index).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else
            QTest::keyClick(list, Qt::Key_Return);
        QTest::qWait(10);
        QCOMPARE(session.player.calls.contains(QStringLiteral("play")), played);
        QCOMPARE(viewed, modal);
        QCOMPARE(list->currentIndex(), index);
    }

    void aBrokenFileInTheAutomaticAdvanceAsksNobody_data()
    {
        QTest::addColumn<bool>("byHand");
        QTest::addColumn<int>("questions");
        QTest::newRow("chosen by hand: a message box") << true << 1;
        QTest::newRow("come to by the advance: a line in the information box") << false << 0;
    }
    void aBrokenFileInTheAutomaticAdvanceAsksNobody()
    {
        QFETCH(bool, byHand);
        QFETCH(int, questions);
        Session session;
        session.preset(QStringLiteral("AutoPlayNext"), QStringLiteral("1"));
        // A wave file whose format chunk is missing, next after b.wav.
        writeBytes(session.media(QStringLiteral("c broken.wav")),
                   QByteArray("RIFF\x0c\0\0\0WAVEdata\0\0\0\0", 20));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        const int broken = list->items()->findItem(QStringLiteral("c broken.wav"));
        QCOMPARE(list->items()->text(broken - 1), QStringLiteral("b.wav"));
        list->setCurrentRow(broken - 1);
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        session.prompter.clear();
        if (byHand)
            list->setCurrentRow(broken);
        else
            session.player.advanceTo(session.player.length());
        QTRY_COMPARE_WITH_TIMEOUT(list->currentRow(), broken, 5000);
        QCOMPARE(session.prompter.questions().size(), questions);
        QCOMPARE(session.child<QPlainTextEdit>("fileInformation")
                     ->toPlainText()
                     .contains(QStringLiteral("Can't find Format chunk!")),
                 questions == 0);
    }

    void theWindowKeysPlayPauseAndMoveTheMedium()
    {
        Session session;
        session.preset(QStringLiteral("AutoPlay"), QStringLiteral("0"));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        session.player.calls.clear();
        QTest::keyClick(list, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
        session.player.advanceTo(60000);
        // Moved on or back while playing, it plays on; never past either end.
        QTest::keyClick(list, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(session.player.position(), qint64(70000));
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
        session.player.advanceTo(5000);
        QTest::keyClick(list, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(session.player.position(), qint64(0));
        QTest::keyClick(list, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(session.player.mode(), int(MediaPlayer::Paused));
    }

    void autoplayAtStartIsForTheFileTheStartOpens_data()
    {
        QTest::addColumn<QString>("startOn");
        QTest::addColumn<QString>("atStart");
        QTest::addColumn<bool>("startFilePlays");
        QTest::newRow("a folder, then the first file chosen plays") << ""
                                                                    << "0" << false;
        QTest::newRow("a file, kept still") << "a b.mp3"
                                            << "0" << false;
        QTest::newRow("a file, played") << "a b.mp3"
                                        << "1" << true;
    }
    void autoplayAtStartIsForTheFileTheStartOpens()
    {
        QFETCH(QString, startOn);
        QFETCH(QString, atStart);
        QFETCH(bool, startFilePlays);
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), atStart);
        session.start(session.media(startOn));
        if (!startOn.isEmpty()) {
            Q_EMIT session.player.fileOpened(session.media(startOn));
            QCOMPARE(session.player.mode() == int(MediaPlayer::Playing), startFilePlays);
        }
        // Every file chosen afterwards, the first included, obeys "Autoplay on click" (on).
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
    }

    void choosingAFilePlaysIt()
    {
        Session session;
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        session.player.calls.clear();
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        const QString path = session.media(QStringLiteral("b.wav"));
        QCOMPARE(session.player.calls, QStringList({"stop", "open " + path}));
        Q_EMIT session.player.fileOpened(path);
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
        QCOMPARE(session.child<QLineEdit>("pathBox")->text(), path);
        QCOMPARE(session.window->windowTitle(), QStringLiteral("Kestrove V.0.1.0 - %1 (0.0 KB)").arg(path));
        auto *meter = session.child<QWidget>("levelMeter");
        QVERIFY(meter->isVisible());
        // The media view's menu opens anywhere on it, the meter above it included.
        auto *mediaView = session.child<QWidget>("mediaView");
        QWidget *under = meter->parentWidget()->childAt(meter->geometry().center());
        QVERIFY(under == mediaView || mediaView->isAncestorOf(under));
        session.player.advanceTo(3723000);
        QTRY_COMPARE(session.child<QLabel>("positionReadOut")->text(), QStringLiteral("01:02:03 / 00:02:03"));
        // Chosen again while it plays, it plays on untouched.
        session.player.calls.clear();
        list->setCurrentRow(0);
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        QVERIFY(session.player.calls.isEmpty());
        session.close();
        QCOMPARE(session.stored(QStringLiteral("LastFile")), path);
        QCOMPARE(session.stored(QStringLiteral("LastPos")), QStringLiteral("3723000"));
    }

    void whatTheMediumTellsOfItselfIsAddedToTheInformation()
    {
        Session session;
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("a b.mp3")));
        const QString song = session.media(QStringLiteral("a b.mp3"));
        Q_EMIT session.player.fileOpened(song);
        auto *information = session.child<QPlainTextEdit>("fileInformation");
        QCOMPARE(information->toPlainText(), QStringLiteral("Size : 0.0 KB"));
        MediaFacts facts;
        facts.title = QStringLiteral("Night Train");
        facts.format = QStringLiteral("mp3");
        facts.sampleRate = 44100;
        // Told of a file no longer shown, nothing is added.
        Q_EMIT session.player.mediumDescribed(session.media(QStringLiteral("b.wav")), facts);
        QCOMPARE(information->toPlainText(), QStringLiteral("Size : 0.0 KB"));
        Q_EMIT session.player.mediumDescribed(song, facts);
        const QString described =
            QStringLiteral("Size : 0.0 KB\nTitle : Night Train\nSample rate : 44100 Hz");
        QCOMPARE(information->toPlainText(), described);
        // Told again, as when the medium is opened again, the lines are not repeated.
        Q_EMIT session.player.mediumDescribed(song, facts);
        QCOMPARE(information->toPlainText(), described);
    }

    void theLevelMeterIsShownForSounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shown");
        QTest::newRow("mp3") << "song.MP3" << true;
        QTest::newRow("wave") << "take.wav" << true;
        QTest::newRow("voc") << "old.voc" << true;
        QTest::newRow("midi") << "tune.mid" << true;
        QTest::newRow("video") << "clip.avi" << false;
        QTest::newRow("tracker module") << "song.xm" << false;
    }
    void theLevelMeterIsShownForSounds()
    {
        QFETCH(QString, name);
        QFETCH(bool, shown);
        QCOMPARE(LevelMeterPicture::isShownFor(QStringLiteral("/m/") + name), shown);
    }

    void theLevelsAreMeasuredOnlyWhereTheMeterShows()
    {
        Session session;
        QFile clip(session.media(QStringLiteral("clip.avi")));
        QVERIFY(clip.open(QIODevice::WriteOnly));
        clip.close();
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        auto *meter = session.child<QWidget>("levelMeter");
        for (const QString &name :
             {QStringLiteral("b.wav"), QStringLiteral("clip.avi"), QStringLiteral("a b.mp3")}) {
            list->setCurrentRow(list->items()->findItem(name));
            QVERIFY(session.player.calls.contains("open " + session.media(name)));
            QCOMPARE(session.player.levelsMeasured, LevelMeterPicture::isShownFor(name));
            QCOMPARE(meter->isVisible(), session.player.levelsMeasured);
        }
    }

    void theLevelMeterRisesAtOnceAndFallsSlowly()
    {
        LevelMeterPicture meter;
        meter.setLevels(1.0, 0.5);
        QCOMPARE(meter.lit(0), LevelMeterPicture::Segments);
        QCOMPARE(meter.lit(1), LevelMeterPicture::Segments / 2);
        meter.setLevels(0.0, 0.9);
        QCOMPARE(meter.lit(0), LevelMeterPicture::Segments - 1);
        QCOMPARE(meter.lit(1), LevelMeterPicture::litSegments(0.9));
        for (int i = 0; i < LevelMeterPicture::Segments; ++i)
            meter.setLevels(0.0, 0.0);
        QCOMPARE(meter.lit(0), 0);
        QCOMPARE(meter.lit(1), 0);
    }

    void mediaCommandsFromTheBoxAndTheMenu()
    {
        Session session;
        session.start(session.media(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        session.prompter.queueInput(QStringLiteral("STATUS   length"));
        session.child<QAction>("sendMciCommand")->trigger();
        QCOMPARE(session.prompter.questions().size(), 2);
        QCOMPARE(session.prompter.questions().at(0).text, QStringLiteral("MCI COMMAND:"));
        QCOMPARE(session.prompter.questions().at(0).title, QStringLiteral("SEND MCI COMMAND TO DRIVER"));
        QCOMPARE(session.prompter.questions().at(1).text, QStringLiteral("123456"));
        QCOMPARE(session.prompter.questions().at(1).icon, Prompter::Icon::Exclamation);
        // The last command is offered again; a command without a reply shows nothing.
        session.prompter.queueInput(QStringLiteral("stop"));
        session.child<QAction>("sendMciCommand")->trigger();
        QCOMPARE(session.prompter.questions().size(), 3);

        session.player.pictureSize = QSize(320, 240);
        auto *lists = session.child<SplitterPane>("listsSplitter");
        session.child<QAction>("scaleToFitVideo")->trigger();
        QVERIFY(qAbs(lists->scaleWidth() - lists->leftWidth() - (320 * 15 + 30)) <= 60);
    }

    void theTransportBarDrivesThePlayer_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("control");
        // Where a control is clicked, as a share of its width.
        QTest::addColumn<double>("at");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("play a paused medium")
            << int(MediaPlayer::Paused) << "playPauseButton" << 0.5 << QStringList{"play"};
        QTest::newRow("pause a playing one")
            << int(MediaPlayer::Playing) << "playPauseButton" << 0.5 << QStringList{"pause"};
        QTest::newRow("stop goes back to the start")
            << int(MediaPlayer::Playing) << "stopButton" << 0.5 << QStringList{"seek 0"};
        QTest::newRow("mute") << int(MediaPlayer::Playing) << "muteButton" << 0.5 << QStringList{"audio off"};
        QTest::newRow("a click on the position jumps there and plays on")
            << int(MediaPlayer::Playing) << "positionBar" << 0.75 << QStringList{"seek %1", "play"};
        QTest::newRow("a paused medium stays paused where clicked")
            << int(MediaPlayer::Paused) << "positionBar" << 0.25 << QStringList{"seek %1"};
        QTest::newRow("volume") << int(MediaPlayer::Playing) << "volumeSlider" << 0.0
                                << QStringList{"volume %1"};
    }
    void theTransportBarDrivesThePlayer()
    {
        QFETCH(int, mode);
        QFETCH(QString, control);
        QFETCH(double, at);
        QFETCH(QStringList, calls);
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), QStringLiteral("1"));
        const QString path = session.media(QStringLiteral("b.wav"));
        session.start(path);
        Q_EMIT session.player.fileOpened(path);
        session.player.currentMode = mode;
        Q_EMIT session.player.modeChanged(mode);
        session.player.calls.clear();
        auto *widget = session.window->findChild<QWidget *>(control);
        QVERIFY(widget->isVisible() && widget->isEnabled());
        auto *slider = qobject_cast<Slider *>(widget);
        // A slider's knob is centred on the click, which needs room at the ends.
        const double knob = slider ? slider->knobRect().width() / 2.0 : 0;
        const int x = qRound(knob + (widget->width() - 2 * knob) * at);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(x, widget->height() / 2));
        if (slider) {
            // The knob lands within a pixel of the click; the call carries the value it stands for.
            const int near = qRound(slider->maximum() * at);
            QVERIFY2(qAbs(slider->value() - near) <= slider->maximum() / 15,
                     qPrintable(QString::number(slider->value())));
            const qint64 chosen = control == QLatin1String("positionBar")
                                      ? session.player.mediumLength * slider->value() / slider->maximum()
                                      : slider->value() * 10;
            calls[0] = calls[0].arg(chosen);
        }
        QCOMPARE(session.player.calls, calls);
    }

    void theTransportBarFollowsThePlayer()
    {
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), QStringLiteral("1"));
        const QString path = session.media(QStringLiteral("b.wav"));
        session.start(path);
        auto *playPause = session.child<FlatButton>("playPauseButton");
        auto *position = session.child<Slider>("positionBar");
        Q_EMIT session.player.modeChanged(MediaPlayer::NotReady);
        QVERIFY(!playPause->isEnabled());
        Q_EMIT session.player.fileOpened(path);
        Q_EMIT session.player.modeChanged(MediaPlayer::Playing);
        session.player.calls.clear();
        QVERIFY(playPause->isEnabled());
        QCOMPARE(playPause->toolTip(), QStringLiteral("Pause"));
        session.player.advanceTo(session.player.mediumLength / 2);
        QTRY_COMPARE(position->value(), 5000);
        QTRY_VERIFY(
            session.child<QLabel>("positionReadOut")->text().startsWith(QStringLiteral("00:01:02 / ")));
        // Following the player is no seek.
        QVERIFY(!session.player.calls.join(QLatin1Char(',')).contains(QLatin1String("seek")));
        Q_EMIT session.player.modeChanged(MediaPlayer::Paused);
        QCOMPARE(playPause->toolTip(), QStringLiteral("Play"));
        Q_EMIT session.player.volumeChanged(300);
        QCOMPARE(session.child<Slider>("volumeSlider")->value(), 30);
        QVERIFY(session.player.calls.isEmpty());
        // The pane at its narrowest still shows every control.
        session.window->resize(session.window->minimumSizeHint());
        for (const char *name :
             {"playPauseButton", "stopButton", "positionBar", "muteButton", "volumeSlider"})
            QTRY_VERIFY2(session.child<QWidget>(name)->width() >= 8, name);
    }

    void separateWindowsTakeTheMediumAndHandItBack_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("secondStart");
        QTest::addColumn<QStringList>("mainAfter");
        const QStringList handedBack{"seek 8000", "play"};
        QTest::newRow("video window") << "playInSeparateWindow"
                                      << "separateVideoWindow"
                                      << "seek 5000" << handedBack;
        QTest::newRow("file menu") << "openInSeparateWindow"
                                   << "separateVideoWindow"
                                   << "seek 5000" << handedBack;
        QTest::newRow("video window, right button") << "playInSeparateWindowFromStart"
                                                    << "separateVideoWindow"
                                                    << "seek 0" << QStringList{"play"};
        QTest::newRow("player window") << "playInPlayerWindow"
                                       << "externalPlayerWindow"
                                       << "seek 5000" << handedBack;
        QTest::newRow("player window, right button") << "playInPlayerWindowFromStart"
                                                     << "externalPlayerWindow"
                                                     << "seek 0" << QStringList{"play"};
        QTest::newRow("whole screen") << "fullScreenVideo"
                                      << "fullScreenVideo"
                                      << "seek 5000" << handedBack;
    }
    void separateWindowsTakeTheMediumAndHandItBack()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(QString, secondStart);
        QFETCH(QStringList, mainAfter);
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), QStringLiteral("1"));
        const QString path = session.media(QStringLiteral("b.wav"));
        session.start(path);
        Q_EMIT session.player.fileOpened(path);
        session.player.advanceTo(5000);
        session.player.calls.clear();
        QStringList seen;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            seen << (modal ? modal->objectName() : QStringLiteral("none"));
            FakePlayer *second = session.secondPlayer;
            seen << session.player.calls.join(QLatin1Char(','));
            Q_EMIT second->fileOpened(path);
            seen << second->calls.filter(QRegularExpression(QStringLiteral("^(seek|play)")))
                        .join(QLatin1Char(','));
            second->advanceTo(8000);
            session.player.calls.clear();
            if (modal)
                modal->close();
        });
        session.window->findChild<QAction *>(command)->trigger();
        QCOMPARE(seen, QStringList({window, "stop", secondStart + ",play"}));
        QCOMPARE(session.player.calls, mainAfter);
    }

    // Opened again at once, the video window finds the main player still seeking back to where the
    // window before left off: that player was playing, and plays on once the window closes.
    void theVideoWindowOpenedWhileTheMainPlayerSeeksHandsBackToAPlayingPlayer()
    {
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), QStringLiteral("1"));
        const QString path = session.media(QStringLiteral("b.wav"));
        session.start(path);
        Q_EMIT session.player.fileOpened(path);
        session.player.advanceTo(5000);
        Q_EMIT session.player.modeChanged(MediaPlayer::Playing);
        session.player.currentMode = MediaPlayer::Seeking;
        Q_EMIT session.player.modeChanged(MediaPlayer::Seeking);
        QTimer::singleShot(0, [&session] {
            session.player.calls.clear();
            QApplication::activeModalWidget()->close();
        });
        session.window->findChild<QAction *>(QStringLiteral("playInSeparateWindow"))->trigger();
        QCOMPARE(session.player.calls, QStringList({"seek 5000", "play"}));
    }

    void choosingAPictureShowsItAndAClickViewsIt()
    {
        Session session;
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(session.media(QStringLiteral("green.bmp"))));
        writeBytes(session.media(QStringLiteral("broken.jpg")), "not a picture");
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        auto *pictures = session.child<PicturePanel>("picturePanel");
        QSignalSpy shown(pictures, &PicturePanel::shown);
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        session.player.advanceTo(61000);
        auto *readOut = session.child<QLabel>("positionReadOut");
        QTRY_VERIFY(readOut->text().startsWith(QStringLiteral("00:01:01 / ")));
        session.player.calls.clear();
        list->setCurrentRow(list->items()->findItem(QStringLiteral("green.bmp")));
        // The medium is closed and the picture takes the media view; the read-out keeps nothing
        // of the medium.
        QCOMPARE(session.player.calls, QStringList{"close"});
        QVERIFY(pictures->isVisible());
        QVERIFY(shown.wait(5000));
        QTRY_COMPARE(readOut->text(), QStringLiteral("00:00:00 / 00:00:00"));
        QVERIFY(!pictures->showsError());
        QCOMPARE(session.child<QLineEdit>("pathBox")->text(), session.media(QStringLiteral("green.bmp")));

        QString viewed;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            viewed = modal ? modal->objectName() : QString();
            if (modal)
                QTest::keyClick(modal, Qt::Key_Escape);
        });
        Q_EMIT pictures->clicked();
        QCOMPARE(viewed, QStringLiteral("pictureViewer"));

        list->setCurrentRow(list->items()->findItem(QStringLiteral("broken.jpg")));
        QVERIFY(shown.wait(5000));
        QVERIFY(pictures->showsError());
        Q_EMIT pictures->clicked();
        QCOMPARE(session.prompter.questions().last().text,
                 QStringLiteral("Unable to open the selected file. File may be corrupted!"));

        // A medium takes the media view back.
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        QVERIFY(!pictures->isVisible());
    }

    void theViewerBannerGivesEachPictureItsOwnSize()
    {
        Session session;
        session.preset(QStringLiteral("DeleteConfirm"), QStringLiteral("0"));
        // Pictures of different sizes, so that a size one step behind shows.
        const QStringList names{"p1.bmp", "p2.bmp", "p3.bmp"};
        for (int i = 0; i < names.size(); ++i) {
            QImage picture(100 + 200 * i, 100, QImage::Format_RGB32);
            picture.fill(Qt::darkGreen);
            QVERIFY(picture.save(session.media(names.at(i))));
        }
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        auto *pictures = session.child<PicturePanel>("picturePanel");
        QSignalSpy shown(pictures, &PicturePanel::shown);
        list->setCurrentRow(list->items()->findItem(names.first()));
        QVERIFY(shown.wait(5000));
        auto expected = [&session](const QString &name) {
            const QString size = FileInformation::sizeText(QFileInfo(session.media(name)).size());
            return name + QStringLiteral("\nSize : ") + size;
        };
        QStringList banners;
        QStringList wanted;
        QTimer::singleShot(0, [&] {
            QWidget *viewer = QApplication::activeModalWidget();
            QVERIFY(viewer);
            auto *banner = viewer->findChild<QLabel *>(QStringLiteral("banner"));
            banners << banner->text();
            wanted << expected(names.at(0));
            // The slide show moves on as a choice in the list; Page Down through the viewer.
            list->setCurrentRow(list->items()->findItem(names.at(1)));
            banners << banner->text();
            wanted << expected(names.at(1));
            QTest::keyClick(viewer, Qt::Key_PageDown);
            banners << banner->text();
            wanted << expected(names.at(2));
            // Deleting the last one shows another, with its size.
            QTest::keyClick(viewer, Qt::Key_Delete);
            banners << banner->text();
            wanted << expected(list->items()->text(list->currentRow()));
            QTest::keyClick(viewer, Qt::Key_Escape);
        });
        Q_EMIT pictures->clicked();
        QCOMPARE(banners, wanted);
    }

    void shiftEscapeKeepsTheViewerOpenAndTheWindowAnswers()
    {
        Session session;
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(session.media(QStringLiteral("green.bmp"))));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        auto *pictures = session.child<PicturePanel>("picturePanel");
        QSignalSpy shown(pictures, &PicturePanel::shown);
        list->setCurrentRow(list->items()->findItem(QStringLiteral("green.bmp")));
        QVERIFY(shown.wait(5000));
        QWidget *afterShiftEscape = nullptr;
        bool onTop = true;
        QTimer::singleShot(0, [&] {
            QWidget *viewer = QApplication::activeModalWidget();
            QTest::keyClick(viewer, Qt::Key_Escape, Qt::ShiftModifier);
            // Looked at once the key's consequences have run.
            QTimer::singleShot(0, viewer, [&, viewer] {
                afterShiftEscape = QApplication::activeModalWidget();
                onTop = viewer->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                QTest::keyClick(viewer, Qt::Key_Escape);
            });
        });
        Q_EMIT pictures->clicked();
        QVERIFY(afterShiftEscape);
        QCOMPARE(afterShiftEscape->objectName(), QStringLiteral("pictureViewer"));
        QVERIFY(!onTop);
        // Closed, the viewer leaves nothing modal behind.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void theSlideShowGoesThroughPicturesAndSoundsAndWraps()
    {
        Session session;
        QDir().mkpath(session.media(QStringLiteral("show")));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(session.media(QStringLiteral("show/1.bmp"))));
        QVERIFY(picture.save(session.media(QStringLiteral("show/2.bmp"))));
        writeBytes(session.media(QStringLiteral("show/3.mp3")), "x");
        session.start(session.media(QStringLiteral("show/1.bmp")));
        auto *list = session.child<EntryListView>("fileList");
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("1.bmp"));
        session.child<QCheckBox>("autoAdvance")->setChecked(true);
        // A picture stays for the slide delay, a second, then the next file is chosen.
        QTRY_COMPARE_WITH_TIMEOUT(list->items()->text(list->currentRow()), QStringLiteral("2.bmp"), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(list->items()->text(list->currentRow()), QStringLiteral("3.mp3"), 3000);
        // A sound plays to its end first.
        const QString sound = session.media(QStringLiteral("show/3.mp3"));
        Q_EMIT session.player.fileOpened(sound);
        QTest::qWait(1500);
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("3.mp3"));
        session.player.advanceTo(session.player.mediumLength);
        QTRY_COMPARE_WITH_TIMEOUT(list->items()->text(list->currentRow()), QStringLiteral("1.bmp"), 3000);
        session.child<QCheckBox>("autoAdvance")->setChecked(false);
    }

    void f2StartsTheSlideShowOnAPicture_data()
    {
        QTest::addColumn<bool>("openedByTheStart");
        QTest::newRow("opened by the start") << true;
        QTest::newRow("chosen in the list") << false;
    }
    void f2StartsTheSlideShowOnAPicture()
    {
        QFETCH(bool, openedByTheStart);
        Session session;
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QDir().mkpath(session.media(QStringLiteral("show")));
        for (const char *name : {"show/1.jpg", "show/2.jpg"})
            QVERIFY(picture.save(session.media(QLatin1String(name))));
        session.start(
            session.media(openedByTheStart ? QStringLiteral("show/1.jpg") : QStringLiteral("show")));
        auto *list = session.focused<EntryListView>("fileList");
        if (!openedByTheStart)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("1.jpg"));
        QTest::keyClick(list, Qt::Key_F2);
        QVERIFY(session.child<QCheckBox>("autoAdvance")->isChecked());
        QTRY_COMPARE_WITH_TIMEOUT(list->items()->text(list->currentRow()), QStringLiteral("2.jpg"), 3000);
        session.child<QCheckBox>("autoAdvance")->setChecked(false);
    }

    void theSpeedIsSetWhenTheSliderIsLetGo_data()
    {
        QTest::addColumn<bool>("keepSpeed");
        QTest::addColumn<int>("sliderAfter");
        QTest::addColumn<QString>("speedAfter");
        QTest::newRow("back to normal for the next file") << false << 100 << "speed 1000";
        QTest::newRow("kept for the next file") << true << 50 << "speed 500";
    }
    void theSpeedIsSetWhenTheSliderIsLetGo()
    {
        QFETCH(bool, keepSpeed);
        QFETCH(int, sliderAfter);
        QFETCH(QString, speedAfter);
        Session session;
        session.start(session.media(QStringLiteral("b.wav")));
        auto *options = session.window->findChild<PlaybackOptionsPanel *>();
        QCOMPARE(options->speedLabel->text(), QStringLiteral("Movie/Mp3  speed:100%"));
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        QCOMPARE(options->speedLabel->text(), QStringLiteral("Movie speed:100%"));
        options->keepSpeed->setChecked(keepSpeed);
        session.player.calls.clear();
        options->speedSlider->setValue(50);
        Q_EMIT options->speedSlider->valueScrolled(50);
        QCOMPARE(options->speedLabel->text(), QStringLiteral("Movie speed:50%"));
        QVERIFY(session.player.calls.isEmpty());
        Q_EMIT options->speedSlider->valueSettled(50);
        QCOMPARE(session.player.calls, QStringList{"speed 500"});

        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("B.wav")));
        session.player.calls.clear();
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("B.wav")));
        QCOMPARE(options->speedSlider->value(), sliderAfter);
        QCOMPARE(options->speedLabel->text(), QStringLiteral("Movie speed:%1%").arg(sliderAfter));
        QVERIFY(session.player.calls.contains(speedAfter));
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

    void theAdvanceWalksThePlaylist()
    {
        Session session;
        session.preset(QStringLiteral("AutoPlayStart"), QStringLiteral("1"));
        session.start(session.media());
        auto *playlist = session.focused<EntryListView>("playlistView");
        playlist->items()->addItem(session.media(QStringLiteral("b.wav")));
        playlist->items()->addItem(session.media(QStringLiteral("sub folder/c.mp3")));
        playlist->setCurrentRow(0);
        QTest::keyClick(playlist, Qt::Key_Return);
        Q_EMIT session.player.fileOpened(session.media(QStringLiteral("b.wav")));
        QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
        session.child<QCheckBox>("autoAdvance")->setChecked(true);
        session.player.advanceTo(session.player.mediumLength);
        // The next playlist entry plays, from another folder.
        QTRY_COMPARE_WITH_TIMEOUT(session.player.fileName(),
                                  session.media(QStringLiteral("sub folder/c.mp3")), 3000);
        QCOMPARE(playlist->currentRow(), 1);
        session.child<QCheckBox>("autoAdvance")->setChecked(false);
    }

    void quickSeeksKeepThePlaylistGoing()
    {
        Session session;
        session.start(session.media());
        auto *playlist = session.focused<EntryListView>("playlistView");
        for (const char *name : {"a b.mp3", "b.wav", "B.wav"})
            playlist->items()->addItem(session.media(QLatin1String(name)));
        playlist->setCurrentRow(1);
        QTest::keyClick(playlist, Qt::Key_Return);
        const QString song = session.media(QStringLiteral("b.wav"));
        Q_EMIT session.player.fileOpened(song);
        Q_EMIT session.player.modeChanged(MediaPlayer::Playing);
        auto *files = session.focused<EntryListView>("fileList");
        QTest::keyClick(files, Qt::Key_F2);
        // Each key comes while the player still seeks where the one before sent it.
        for (const qint64 position : {10000, 20000, 30000}) {
            QTest::keyClick(files, Qt::Key_Right, Qt::ControlModifier);
            QCOMPARE(session.player.position(), position);
            QCOMPARE(session.player.mode(), int(MediaPlayer::Playing));
            session.player.currentMode = MediaPlayer::Seeking;
            Q_EMIT session.player.modeChanged(MediaPlayer::Seeking);
        }
        session.player.currentMode = MediaPlayer::Playing;
        Q_EMIT session.player.modeChanged(MediaPlayer::Playing);
        session.player.advanceTo(session.player.mediumLength);
        QTRY_COMPARE_WITH_TIMEOUT(session.player.fileName(), session.media(QStringLiteral("B.wav")), 3000);
        QCOMPARE(playlist->currentRow(), 2);
        session.child<QCheckBox>("autoAdvance")->setChecked(false);
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

    void openCmdOpensFoldersAndSelectsFiles_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("selected");
        QTest::newRow("quoted file with a blank") << "\"%1a b.mp3\""
                                                  << "%1"
                                                  << "a b.mp3";
        QTest::newRow("exact case first") << "%1b.wav"
                                          << "%1"
                                          << "b.wav";
        QTest::newRow("upper case") << "%1B.wav"
                                    << "%1"
                                    << "B.wav";
        QTest::newRow("folder without separator") << "%1sub folder"
                                                  << "%1sub folder/"
                                                  << "";
        QTest::newRow("missing file in a folder") << "%1gone.mp3"
                                                  << "%1"
                                                  << "";
        QTest::newRow("nothing there, the computer root") << "/no/such/place/x.mp3"
                                                          << "Computer"
                                                          << "";
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
        form.options()->autoAdvance->setChecked(true);
        form.openHandedPath(request.arg(session.media()));
        QCOMPARE(form.options()->autoAdvance->isChecked(), advance);
        QCOMPARE(form.currentFolder(), folderOfPath(request.arg(session.media())));
        QVERIFY(session.child<EntryListView>("fileList")->currentRow() > 0);
    }

    void editListWindowGivesBackWhatItsJobsTook_data()
    {
        QTest::addColumn<bool>("wasPlaying");
        QTest::newRow("playing") << true;
        QTest::newRow("paused") << false;
    }
    void editListWindowGivesBackWhatItsJobsTook()
    {
        QFETCH(bool, wasPlaying);
        Session session;
        MainWindow &form = session.start(session.media());
        const QString onList = session.media(QStringLiteral("a b.mp3"));
        form.editList().append(onList);
        auto *list = session.focused<EntryListView>("fileList");
        const QString path = session.media(QStringLiteral("b.wav"));
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        Q_EMIT session.player.fileOpened(path);

        auto *open = form.findChild<QAction *>(QStringLiteral("openEditList"));
        open->trigger();
        open->trigger();
        const QList<EditListWindow *> windows = form.findChildren<EditListWindow *>();
        QList<EditListWindow *> shown;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<EditListWindow *>(widget))
                shown.append(window);
        }
        QCOMPARE(shown.size(), 1);
        EditListWindow *editList = shown.first();
        QCOMPARE(editList->list()->items()->text(0), onList);
        QVERIFY(form.isMinimized());
        QVERIFY(!form.close());

        // A job closed the file; once it has ended the file opens again, started only when it was playing.
        session.player.close();
        session.player.calls.clear();
        Q_EMIT editList->fileToGiveBack(TakenFile{path, wasPlaying});
        QCOMPARE(session.player.calls.filter(QStringLiteral("open")), QStringList{"open " + path});
        Q_EMIT session.player.fileOpened(path);
        QCOMPARE(session.player.mode() == MediaPlayer::Playing, wasPlaying);

        // Closing writes the window's list back and marks the file list again.
        editList->list()->items()->clear();
        QVERIFY(editList->close());
        QVERIFY(form.editList().isEmpty());
        QVERIFY(!form.isMinimized());
        QVERIFY(!list->items()->isOnEditList(list->items()->findItem(QStringLiteral("a b.mp3"))));
        QVERIFY(form.close());
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

    void theDefaultProgramGetsAFileOnceThePlayerHasStopped_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("stopped");
        QTest::newRow("a file") << "b.wav" << true;
        QTest::newRow("a folder") << "sub folder" << false;
    }
    void theDefaultProgramGetsAFileOnceThePlayerHasStopped()
    {
        QFETCH(QString, entry);
        QFETCH(bool, stopped);
        Session session;
        session.start(session.media(QStringLiteral("a b.mp3")));
        auto *list = session.child<EntryListView>("fileList");
        m_urlsOpened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        list->setCurrentRow(list->items()->findItem(entry));
        session.player.calls.clear();
        session.child<QAction>("openInDefaultProgram")->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_urlsOpened, QList<QUrl>{QUrl::fromLocalFile(session.media(entry))});
        QCOMPARE(session.player.calls.contains(QStringLiteral("stop")), stopped);
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

    void deleteFileAsksAndTrashes_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("file, asked, OK")
            << "b.wav"
            << "1" << int(Prompter::Answer::Ok) << "Delete file \"%1b.wav\" ?" << true;
        QTest::newRow("file, asked, Cancel")
            << "b.wav"
            << "1" << int(Prompter::Answer::Cancel) << "Delete file \"%1b.wav\" ?" << false;
        QTest::newRow("file, not asked") << "b.wav"
                                         << "0" << int(Prompter::Answer::Cancel) << "" << true;
        QTest::newRow("folder, always asked")
            << "sub folder"
            << "0" << int(Prompter::Answer::Ok) << "Delete folder \"%1sub folder\" ?" << true;
    }
    void deleteFileAsksAndTrashes()
    {
        QFETCH(QString, entry);
        QFETCH(QString, confirm);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(bool, deleted);
        Session session;
        session.preset(QStringLiteral("DeleteConfirm"), confirm);
        MainWindow &form = session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        const int row = list->items()->findItem(entry);
        list->setCurrentRow(row);
        session.prompter.queueAnswer(Prompter::Answer(answer));
        QTest::keyClick(list, Qt::Key_Delete);
        if (question.isEmpty()) {
            QVERIFY(session.prompter.questions().isEmpty());
        } else {
            QCOMPARE(session.prompter.questions().size(), 1);
            QCOMPARE(session.prompter.questions().first().text, question.arg(session.media()));
            QCOMPARE(session.prompter.questions().first().buttonLabels,
                     QStringList({"Move to Trash", "Cancel"}));
        }
        QCOMPARE(QFileInfo::exists(session.media(entry)), !deleted);
        QCOMPARE(list->items()->findItem(entry) < 0, deleted);
        QCOMPARE(session.trash.recycled().size(), deleted ? 1 : 0);
        Q_UNUSED(form);
    }

    void deletingTheLastFileBelowAFolderSelectsNothing()
    {
        Session session;
        QDir(session.media()).removeRecursively();
        QDir().mkpath(session.media(QStringLiteral("dir")));
        writeBytes(session.media(QStringLiteral("only.mp3")), "x");
        session.preset(QStringLiteral("DeleteConfirm"), QStringLiteral("0"));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(2);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->items()->count(), 2);
        QCOMPARE(list->currentRow(), -1);

        session.trash.setRefuse(true);
        writeBytes(session.media(QStringLiteral("kept.mp3")), "x");
        session.child<QAction>("refresh")->trigger();
        session.settle();
        list->setCurrentRow(list->items()->findItem(QStringLiteral("kept.mp3")));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(session.prompter.questions().last().text,
                 QStringLiteral("Unable to delete \"%1\".\r\n\r\nThe trash is full.")
                     .arg(session.media(QStringLiteral("kept.mp3"))));
        QVERIFY(list->items()->findItem(QStringLiteral("kept.mp3")) > 0);
    }

    // The volume a person set comes back at the next start, and a stored one out of range is
    // brought into it.
    void theVolumeIsKeptForTheNextStart_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("restored");
        QTest::newRow("nothing stored") << "<absent>" << 1000;
        QTest::newRow("seventy per cent") << "700" << 700;
        QTest::newRow("too loud") << "5000" << 1000;
        QTest::newRow("below silence") << "-3" << 0;
        QTest::newRow("garbage") << "loud" << 1000;
    }
    void theVolumeIsKeptForTheNextStart()
    {
        QFETCH(QString, stored);
        QFETCH(int, restored);
        Session session;
        if (stored != QLatin1String("<absent>"))
            session.preset(QStringLiteral("Volume"), stored);
        session.start(session.media());
        QCOMPARE(session.player.volume(), restored);
        session.player.setVolume(700);
        session.close();
        QCOMPARE(session.stored(QStringLiteral("Volume")), QStringLiteral("700"));
    }

    // The player lets go of a file deleted on its own, as it does for the delete job, and gets it
    // back when the trash refuses it.
    void deletingThePlayingFileLetsThePlayerGoOfIt()
    {
        Session session;
        session.preset(QStringLiteral("DeleteConfirm"), QStringLiteral("0"));
        session.start(session.media());
        auto *list = session.focused<EntryListView>("fileList");
        list->setCurrentRow(list->items()->findItem(QStringLiteral("b.wav")));
        const QString playing = session.media(QStringLiteral("b.wav"));
        QCOMPARE(session.player.fileName(), playing);
        session.trash.setRefuse(true);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(session.player.fileName(), playing);
        session.trash.setRefuse(false);
        session.player.calls.clear();
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(session.player.fileName() != playing);
        QCOMPARE(session.player.calls.value(0), QStringLiteral("close"));
        QCOMPARE(session.trash.recycled().size(), 1);
        // Nothing names the file in the trash as held any more.
        QVERIFY(!session.window->windowTitle().contains(QLatin1String("b.wav")));
    }

    void deleteFolderRefusesDrivesAndSpecialFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        QTest::newRow("root") << "/"
                              << "You can't delete entier drives !";
        QTest::newRow("computer") << "Computer"
                                  << "You can't delete special folders !";
        QTest::newRow("the home folder at the top") << "~"
                                                    << "You can't delete special folders !";
        QTest::newRow("a folder") << "%1sub folder/"
                                  << "Delete folder \"%1sub folder/\" ?";
    }
    void deleteFolderRefusesDrivesAndSpecialFolders()
    {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        Session session;
        if (folder == QLatin1String("~"))
            folder = QDir::homePath();
        MainWindow &form = session.start();
        auto *tree = session.focused<FolderTree>("folderTree");
        QVERIFY(tree->setSelectedPath(folder.contains(QLatin1String("%1")) ? folder.arg(session.media())
                                                                           : folder));
        session.prompter.queueAnswer(Prompter::Answer::Ok);
        QTest::keyClick(tree, Qt::Key_Delete);
        QCOMPARE(session.prompter.questions().size(), 1);
        QCOMPARE(session.prompter.questions().first().text,
                 message.contains(QLatin1String("%1")) ? message.arg(session.media()) : message);
        if (folder.contains(QLatin1String("%1"))) {
            QVERIFY(!QFileInfo::exists(session.media(QStringLiteral("sub folder"))));
            QCOMPARE(form.currentFolder(), session.media());
        } else {
            QVERIFY(session.trash.recycled().isEmpty());
        }
    }

    void pathBoxEnter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("selected");
        QTest::newRow("folder without separator") << "%1sub folder"
                                                  << "%1sub folder/"
                                                  << "%1sub folder/"
                                                  << "";
        QTest::newRow("a file") << "%1B.wav"
                                << "%1"
                                << "%1B.wav"
                                << "B.wav";
        QTest::newRow("computer root") << "COMPUTER"
                                       << "Computer"
                                       << "Computer"
                                       << "";
        QTest::newRow("nothing there") << "/no/such"
                                       << "%1"
                                       << "/no/such"
                                       << "";
        QTest::newRow("relative to the folder shown") << "sub folder"
                                                      << "%1sub folder/"
                                                      << "%1sub folder/"
                                                      << "";
        QTest::newRow("dot dot and doubled separators") << "%1sub folder/..//sub folder/../B.wav"
                                                        << "%1"
                                                        << "%1B.wav"
                                                        << "B.wav";
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

        const bool advance = form.options()->autoAdvance->isChecked();
        QTest::keyClick(list, Qt::Key_F2);
        QCOMPARE(form.options()->autoAdvance->isChecked(), !advance);

        list->setCurrentRow(b);
        QTest::keyClick(list, Qt::Key_PageUp);
        QCOMPARE(list->items()->text(list->currentRow()), QStringLiteral("B.wav"));
        QTest::keyClick(pathBox, Qt::Key_PageDown);
        QCOMPARE(list->currentRow(), b);

        QTest::keyClick(list, Qt::Key_F6);
        QCOMPARE(pathBox->selectedText(), pathBox->text());
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

private:
    static QString folderOfPath(QString path)
    {
        path.remove(QLatin1Char('"'));
        return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    }
};

QObject *createMainWindowTest()
{
    return new TestMainWindow;
}

#include "tst_mainwindow.moc"
