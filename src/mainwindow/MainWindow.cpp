// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/MainWindow.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileDeleter.h"
#include "browse/FileListController.h"
#include "browse/FolderNavigator.h"
#include "browse/FolderTree.h"
#include "browse/PathBar.h"
#include "core/Paths.h"
#include "core/SessionAutosave.h"
#include "core/Settings.h"
#include "core/Twips.h"
#include "core/VersionTitle.h"
#include "core/WindowGeometry.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "editlist/EditListWindow.h"
#include "integration/Association.h"
#include "integration/AssociationStore.h"
#include "integration/DefaultApplicationPins.h"
#include "mainwindow/EditListSession.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/FileListThumbnails.h"
#include "mainwindow/PaneLayout.h"
#include "mainwindow/PlaybackCommands.h"
#include "mainwindow/SeparateWindowCommands.h"
#include "mainwindow/ShutdownSave.h"
#include "mainwindow/StartupRestore.h"
#include "mainwindow/WindowActions.h"
#include "platform/FileIconProvider.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "platform/WindowSystem.h"
#include "playback/MediaPlayer.h"
#include "playback/PlaybackOptions.h"
#include "playback/PlayerPanel.h"
#include "playlist/PlaylistCommands.h"
#include "playlist/PlaylistPanel.h"
#include "widgets/FirstPaint.h"
#include "widgets/SplitterPane.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <memory>
#include <utility>

namespace {

// The program's own web page, offered by the web-site command.
constexpr const char *ProjectPage = "https://kestrove.org/";

// How far Ctrl+Left and Ctrl+Right move the medium.
constexpr qint64 SeekStepMs = 10000;

} // namespace

MainWindow::MainWindow(const AppServices &services, const StartOptions &options, QWidget *parent)
    : QMainWindow(parent), m_settings(*services.settings), m_prompter(*services.prompter),
      m_services(services), m_start(options)
{
    m_services.dataFolder = Paths::withSeparator(services.dataFolder);
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(ProgramTitle);
    setAcceptDrops(true);
    buildPanes();
    connectCommands();
    connectKeys();
    showThumbnails();
    resize(Twips::toPixels(WindowGeometry::DesignWidthTwips),
           Twips::toPixels(WindowGeometry::DesignHeightTwips));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPanes()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);
    m_parts.actions = new WindowActions(this);

    m_parts.pathBar = new PathBar(central);
    auto *rule = new QFrame(central);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    m_parts.folderTree = new FolderTree;
    m_parts.folderTree->setObjectName(QStringLiteral("folderTree"));
    m_parts.folderTree->setAccessibleName(tr("Folders"));
    m_parts.folderTree->setIconProvider(m_services.icons);
    m_parts.fileList = new EntryListView;
    m_parts.fileList->setObjectName(QStringLiteral("fileList"));
    m_parts.fileList->setAccessibleName(tr("Files"));
    m_parts.fileList->items()->setIconProvider(m_services.icons);
    m_parts.fileList->setContextMenuOnRightClick(true);
    m_parts.fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listing =
        std::make_unique<FileListController>(*m_parts.fileList->items(), m_state.editList, m_services.icons);
    m_parts.listing = m_listing.get();
    m_thumbnails = std::make_unique<FileListThumbnails>(*m_parts.fileList, *m_listing);
    m_parts.navigator =
        new FolderNavigator(*m_parts.folderTree, *m_parts.fileList, *m_listing, *m_parts.pathBar, this);
    m_parts.playlist = new PlaylistPanel(*m_services.icons, m_parts.actions->playlistCommands());
    m_parts.playbackOptions = new PlaybackOptions(this);
    m_parts.player = new PlayerPanel(m_parts.actions->playerCommands(), *m_parts.playbackOptions);
    m_parts.player->setVideoFactory([this] { return m_services.player->createVideoView(nullptr); });
    m_parts.panes = new PaneLayout(
        central, {m_parts.folderTree, m_parts.fileList, m_parts.playlist, m_parts.player}, m_prompter, this);

    m_deleter = new FileDeleter({*m_parts.fileList, *m_listing, *m_parts.folderTree, *m_parts.navigator},
                                m_settings, m_prompter, *m_services.trash, this);
    m_deleter->setLetGo([this](const QString &path) -> std::function<void()> {
        const PlayingFile playing = m_playback->playingFile();
        const QString held = playing.fileName();
        if (held.isEmpty() || (held != path && !held.startsWith(Paths::withSeparator(path))))
            return {};
        const std::optional<TakenFile> taken = playing.takeIfHolding(held);
        if (!taken)
            return {};
        return [this, given = *taken] { m_playback->giveBack(given); };
    });
    m_playback = new PlaybackCommands(*this,
                                      {*m_parts.pathBar, *m_parts.fileList, *m_listing, *m_parts.navigator,
                                       *m_parts.playlist, *m_parts.player, *m_parts.playbackOptions,
                                       *m_parts.panes->listsSplitter(), *m_parts.actions},
                                      m_state, *m_services.player, m_services.makePlayer, m_prompter, this);
    m_commands = new FileCommands({this, *m_parts.fileList, *m_listing, *m_parts.navigator,
                                   *m_parts.folderTree, *m_parts.playlist, m_state},
                                  m_prompter, this);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_parts.pathBar);
    layout->addWidget(rule);
    layout->addWidget(m_parts.panes->root(), 1);
}

void MainWindow::playChosenEntries()
{
    EntryListModel *entries = m_parts.fileList->items();
    connect(m_parts.fileList->selectionModel(), &QItemSelectionModel::currentChanged, m_playback,
            [this, entries] {
                // Nobody chose the entry the view moves to when another program removed the current one.
                if (m_listing->isApplyingChange())
                    return;
                // A box the file may open would let the list change under the rows still going.
                if (entries->isRemovingRows())
                    m_playWhenRowsGone = true;
                else
                    m_playback->playSelectedFile();
            });
    connect(entries, &QAbstractItemModel::rowsRemoved, m_playback, [this] {
        if (std::exchange(m_playWhenRowsGone, false))
            m_playback->playSelectedFile();
    });
}

void MainWindow::connectCommands()
{
    const WindowActions *actions = m_parts.actions;
    FolderNavigator *navigator = m_parts.navigator;
    PlaylistPanel *playlist = m_parts.playlist;

    m_playlistCommands = new PlaylistCommands({*playlist, m_prompter, *m_services.icons, this,
                                               [this] { return m_services.player->fileName(); },
                                               [this] { m_commands->markPlaylist(); }},
                                              this);
    connect(actions->loadPlaylist, &QAction::triggered, m_playlistCommands, &PlaylistCommands::load);
    connect(playlist, &PlaylistPanel::pathsDropped, m_commands, &FileCommands::addDroppedToPlaylist);
    connect(actions->savePlaylist, &QAction::triggered, m_playlistCommands, &PlaylistCommands::saveAs);
    connect(actions->playlistOptions, &QAction::triggered, m_playlistCommands,
            &PlaylistCommands::showOptions);
    connect(actions->goUp, &QAction::triggered, navigator, &FolderNavigator::goUp);
    // The player button and the file menu's item are one command.
    connect(actions->openInDefaultProgram, &QAction::triggered, m_commands,
            &FileCommands::openInDefaultProgram);
    connect(m_commands, &FileCommands::fileOpeningElsewhere, m_playback, &PlaybackCommands::stop);
    connect(actions->preferences, &QAction::triggered, this, &MainWindow::showPreferences);
    connect(actions->about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(actions->playlistToEditList, &QAction::triggered, m_commands,
            &FileCommands::addPlaylistToEditList);
    connect(actions->clearPlaylist, &QAction::triggered, playlist, &PlaylistPanel::clearAll);
    connect(actions->clearPlaylistSelection, &QAction::triggered, playlist, &PlaylistPanel::clearSelected);

    connect(m_parts.pathBar, &PathBar::pathEntered, navigator, &FolderNavigator::openTypedPath);
    connect(m_parts.pathBar, &PathBar::pathDropped, this, &MainWindow::openDroppedPath);
    connect(m_parts.pathBar, &PathBar::autoArrangeClicked, m_parts.panes, &PaneLayout::autoArrange);
    connect(m_parts.fileList, &QAbstractItemView::doubleClicked, navigator,
            [navigator](const QModelIndex &index) {
                if (index.isValid())
                    navigator->activateEntry(index.row());
            });
    connect(m_parts.fileList, &EntryListView::contextMenuAt, m_commands, &FileCommands::showMenuOnFileList);
    connect(m_parts.folderTree, &FolderTree::rightClicked, m_commands, &FileCommands::showMenuOnFolderTree);
    playChosenEntries();
    connect(actions->showPlayingFile, &QAction::triggered, m_playback, &PlaybackCommands::showPlayingFile);
    connect(playlist->view(), &QAbstractItemView::clicked, m_playback, [this](const QModelIndex &index) {
        if (index.isValid())
            m_playback->playPlaylistEntry(index.row());
    });
    SeparateWindowCommands *separate = m_playback->separateWindows();
    connect(actions->playInSeparateWindow, &QAction::triggered, separate,
            [separate] { separate->playInSeparateWindow(true); });
    connect(actions->playInSeparateWindowFromStart, &QAction::triggered, separate,
            [separate] { separate->playInSeparateWindow(false); });
    connect(actions->playInPlayerWindow, &QAction::triggered, separate,
            [separate] { separate->playInPlayerWindow(true); });
    connect(actions->playInPlayerWindowFromStart, &QAction::triggered, separate,
            [separate] { separate->playInPlayerWindow(false); });
    connect(actions->fullScreenVideo, &QAction::triggered, separate,
            &SeparateWindowCommands::showFullScreenVideo);
    m_parts.player->setRightClickCommand(1, actions->playInSeparateWindowFromStart);
    m_parts.player->setRightClickCommand(7, actions->playInPlayerWindowFromStart);
    connect(actions->sendMciCommand, &QAction::triggered, m_playback, &PlaybackCommands::sendMciCommand);
    connect(actions->scaleToFitVideo, &QAction::triggered, m_playback, &PlaybackCommands::scaleToFitVideo);
    m_parts.player->setMediaViewCommands({actions->sendMciCommand, actions->scaleToFitVideo});
    m_editListSession =
        new EditListSession({*this, EditListSession::Parts{*m_listing, *m_parts.navigator}, m_state,
                             m_prompter, *m_services.icons, *m_services.trash, *m_playback, *m_commands},
                            this);
    connect(m_commands, &FileCommands::editListRequested, m_editListSession, &EditListSession::open);
    connect(actions->openEditList, &QAction::triggered, m_editListSession, &EditListSession::open);
    connect(m_editListSession, &EditListSession::windowClosed, this, [this] {
        if (std::exchange(m_closeAfterEditList, false))
            close();
    });
    connect(m_commands, &FileCommands::separateWindowRequested, actions->playInSeparateWindow,
            &QAction::trigger);
}

void MainWindow::connectKeys()
{
    WindowActions *actions = m_parts.actions;
    FolderNavigator *navigator = m_parts.navigator;
    actions->attachFileListKeys(m_parts.fileList);
    actions->attachFolderTreeKeys(m_parts.folderTree);
    EntryListView *playlist = m_parts.playlist->view();
    actions->attachPlaylistKeys(playlist);
    connect(actions->removePlaylistEntries, &QAction::triggered, m_parts.playlist,
            &PlaylistPanel::clearSelected);
    connect(actions->playPlaylistEntry, &QAction::triggered, m_playback,
            [this, playlist] { m_playback->playPlaylistEntry(playlist->currentRow()); });
    connect(actions->selectAllPlaylist, &QAction::triggered, playlist, &QAbstractItemView::selectAll);
    // The playlist's title tells how many entries it holds.
    auto countEntries = [this, playlist] { m_parts.panes->setPlaylistCount(playlist->items()->count()); };
    connect(playlist->items(), &QAbstractItemModel::rowsInserted, this, countEntries);
    connect(playlist->items(), &QAbstractItemModel::rowsRemoved, this, countEntries);
    connect(playlist->items(), &QAbstractItemModel::modelReset, this, countEntries);
    connect(actions->typePath, &QAction::triggered, m_parts.pathBar, &PathBar::selectForTyping);
    connect(actions->nextFile, &QAction::triggered, navigator, &FolderNavigator::goToNextFile);
    connect(actions->previousFile, &QAction::triggered, navigator, &FolderNavigator::goToPreviousFile);
    connect(actions->addToEditList, &QAction::triggered, m_commands, &FileCommands::addToEditList);
    connect(actions->removeFromEditList, &QAction::triggered, m_commands, &FileCommands::removeFromEditList);
    connect(actions->toggleAutoAdvance, &QAction::triggered, m_parts.playbackOptions,
            &PlaybackOptions::toggleAutoAdvance);
    connect(actions->toggleThumbnails, &QAction::triggered, this, [this](bool on) {
        m_settings.thumbnails.set(on);
        showThumbnails();
    });
    connect(actions->refresh, &QAction::triggered, navigator, &FolderNavigator::refresh);
    connect(actions->deleteEntry, &QAction::triggered, m_deleter, &FileDeleter::deleteSelectedEntry);
    connect(actions->deleteFolder, &QAction::triggered, m_deleter, &FileDeleter::deleteSelectedFolder);
    connect(actions->openEntry, &QAction::triggered, navigator, &FolderNavigator::enterSelectedEntry);
    connect(navigator, &FolderNavigator::fileActivated, m_playback, &PlaybackCommands::playActivatedFile);
    connect(actions->playOrPause, &QAction::triggered, m_playback, &PlaybackCommands::playOrPause);
    connect(actions->seekBack, &QAction::triggered, m_playback, [this] { m_playback->seekBy(-SeekStepMs); });
    connect(actions->seekForward, &QAction::triggered, m_playback,
            [this] { m_playback->seekBy(SeekStepMs); });
    // Quitting is closing the window, with all that closing saves.
    connect(actions->quit, &QAction::triggered, this, &QWidget::close);
    connect(actions->addTypeToEditList, &QAction::triggered, m_commands,
            [this] { m_commands->changeEditListByType(true); });
    connect(actions->removeTypeFromEditList, &QAction::triggered, m_commands,
            [this] { m_commands->changeEditListByType(false); });
}

bool MainWindow::load()
{
    if (m_start.anotherInstanceRunning) {
        sayAlreadyRunning();
        return false;
    }
    m_loading = true;
    restoreVolume();
    StartupRestore(*this, m_parts, m_state, m_settings, m_prompter, m_services.dataFolder, m_start).run();
    // The playlist is read after the start file has begun to play.
    m_playlistCommands->markPlaying();
    m_playback->startUpEnded();
    m_loading = false;
    startAutosave();
    // Once the window is on screen, types get their own icons where the theme has them.
    FirstPaint::then(*this, [icons = m_services.icons] {
        if (icons->useSpecificIcons()) {
            for (QWidget *window : QApplication::topLevelWidgets())
                window->update();
        }
    });
    if (m_closeWhenLoaded) {
        close();
        return false;
    }
    for (const QString &command : std::exchange(m_handedDuringLoad, {}))
        openHandedPath(command);
    return true;
}

void MainWindow::restoreVolume()
{
    if (const std::optional<qint32> volume = m_settings.volume())
        m_state.volume = qBound(0, *volume, 1000);
    m_services.player->setVolume(m_state.volume);
    // Set here, by a player applet or through the MCI box, the volume is kept for the next start.
    connect(m_services.player, &MediaPlayer::volumeChanged, this,
            [this](int perMille) { m_state.volume = perMille; });
}

void MainWindow::startAutosave()
{
    // Saving while the program runs must never wait on a person: problems go to the log, and the
    // closing save says them.
    const auto saver = [this] {
        return ShutdownSave(*this, m_parts, m_state, m_settings, m_prompter, m_services.dataFolder, true);
    };
    const auto collect = [this] {
        if (EditListWindow *editList = m_editListSession->window())
            editList->keepChanges();
    };
    m_autosave =
        new SessionAutosave({[saver] { saver().saveSettings(); }, [saver] { saver().saveEditList(); },
                             [saver] { saver().savePlaylist(); }, collect},
                            m_state.editList, *m_parts.playlist->view()->model(), this);
}

void MainWindow::sayAlreadyRunning()
{
    // Set before the message: a logout while it is up must not overwrite the first copy's settings
    // or lists.
    m_state.skipSave = true;
    m_prompter.message(tr("Kestrove is allready running !"), ProgramTitle, Prompter::Buttons::Ok,
                       Prompter::Icon::Exclamation);
}

bool MainWindow::finishBackgroundWork(int withinMs)
{
    return m_thumbnails->finish(withinMs);
}

QString MainWindow::currentFolder() const
{
    return m_parts.navigator->currentFolder();
}

const FilePattern &MainWindow::filePattern() const
{
    return m_parts.navigator->pattern();
}

PlaybackOptions *MainWindow::playbackOptions() const
{
    return m_parts.playbackOptions;
}

void MainWindow::setEditListWindow(QWidget *window)
{
    m_commands->setEditListWindow(window);
}

void MainWindow::closeOnRequest()
{
    m_closingUnattended = true;
    m_prompter.stopAsking();
    if (QWidget *editList = m_commands->editListWindow()) {
        m_closeAfterEditList = true;
        editList->close();
        return;
    }
    close();
}

void MainWindow::openHandedPath(const QString &command)
{
    // Until the start-up has ended the folder tree opens nothing, and the start location would
    // replace the path.
    if (m_loading) {
        m_handedDuringLoad.append(command);
        return;
    }
    QString requested = command;
    requested.remove(QLatin1Char('"'));
    // Automatic advance goes on only within the folder it was running in.
    const bool sameFolder = Paths::folderOf(currentFolder()) == Paths::folderOf(requested);
    const bool keepAdvance = sameFolder && m_parts.playbackOptions->autoAdvance();
    m_parts.navigator->openPath(command);
    m_parts.playbackOptions->setAutoAdvance(keepAdvance);
    if (isMinimized())
        showNormal();
    WindowSystem::bringForward(*this);
}

void MainWindow::openDroppedPath(const QString &path)
{
    if (path.isEmpty())
        return;
    m_parts.pathBar->setText(path);
    m_parts.navigator->openTypedPath(path);
}

void MainWindow::openPlaylist(const QString &path)
{
    m_playlistCommands->open(path);
}

void MainWindow::showPreferences()
{
    PreferencesDialog::AssociationCommands association;
    std::shared_ptr<Association> verb;
    if (m_services.associations) {
        QStringList extensions;
        for (int row = 0; row < m_state.types.count(); ++row)
            extensions.append(m_state.types.extension(row));
        verb = std::make_shared<Association>(
            Association::Services{*m_services.associations, Association::runningExecutable(),
                                  QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation),
                                  &Association::mimeClassOf, DefaultApplicationPins::userLists(),
                                  &DefaultApplicationPins::desktopDefault},
            extensions);
        association = {[verb] { return verb->status(); },
                       [verb](QStringList &lines) {
                           bool offered = false;
                           lines = verb->make(&offered);
                           return offered;
                       },
                       [verb](QStringList &lines) { verb->remove(lines); },
                       [store = m_services.associations] { return store->takeNotice(); }};
    }
    PreferencesDialog dialog(m_settings, m_prompter, m_state.types, m_state.showAll, association, this);
    dialog.exec();
    // Re-read whatever the answer: a cancelled window left the stored values as they were.
    m_state.showAll = m_settings.showAllFiles();
    m_state.types.setModernTypes(m_settings.modernTypes());
    m_parts.panes->filesSplitter()->setLiveResize(m_settings.liveResizeLists());
    m_parts.panes->listsSplitter()->setLiveResize(m_settings.liveResizePlayer());
    if (const std::optional<bool> on = m_settings.minimiseForEditList())
        m_state.minimiseForEditList = *on;
    m_state.fitViewer = m_settings.fitViewer();
    showThumbnails();
    m_parts.navigator->setPattern(FilePattern(m_state.types.filePattern(m_state.showAll)));
    m_parts.navigator->relist();
}

void MainWindow::showThumbnails()
{
    const bool on = m_settings.thumbnails();
    m_parts.actions->toggleThumbnails->setChecked(on);
    m_thumbnails->show(on ? m_settings.thumbnailSide() : 0);
}

void MainWindow::showAbout()
{
    AboutDialog dialog(versionTitle(), m_prompter, this);
    connect(&dialog, &AboutDialog::titleClicked, this, &MainWindow::offerWebSite);
    dialog.exec();
}

void MainWindow::offerWebSite()
{
    if (m_prompter.message(tr("Go to our website ?"), ProgramTitle, Prompter::Buttons::OkCancel,
                           Prompter::Icon::Question) == Prompter::Answer::Ok)
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(ProjectPage)));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_loading) {
        m_closeWhenLoaded = true;
        event->ignore();
        return;
    }
    if (QWidget *editList = m_commands->editListWindow()) {
        editList->show();
        WindowSystem::bringForward(*editList);
        event->ignore();
        return;
    }
    // A search still running stops at its next step; what it added so far is saved.
    m_commands->cancelSearch();
    m_playback->shutDown();
    if (m_autosave)
        m_autosave->stop();
    ShutdownSave(*this, m_parts, m_state, m_settings, m_prompter, m_services.dataFolder, m_closingUnattended)
        .run();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (PathBar::carriesLocalFile(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    openDroppedPath(PathBar::firstLocalFile(event->mimeData()));
    // The dropped file is only opened: the source must not think it was moved or copied.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}
