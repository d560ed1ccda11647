// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/StartupRestore.h"

#include "browse/EntryListView.h"
#include "browse/FileListController.h"
#include "browse/FolderNavigator.h"
#include "browse/FolderTree.h"
#include "browse/PathBar.h"
#include "core/EditListFile.h"
#include "core/ListFiles.h"
#include "core/Paths.h"
#include "core/Settings.h"
#include "core/Twips.h"
#include "core/UserFolders.h"
#include "core/VersionTitle.h"
#include "core/WindowGeometry.h"
#include "mainwindow/PaneLayout.h"
#include "mainwindow/SessionState.h"
#include "mainwindow/StartupReads.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "platform/WindowSystem.h"
#include "playback/PlaybackOptions.h"
#include "playback/PlayerPanel.h"
#include "playlist/PlaylistPanel.h"
#include "widgets/SplitterPane.h"

#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>

StartupRestore::StartupRestore(QMainWindow &window, const MainWindowParts &parts, SessionState &state,
                               Settings &settings, Prompter &prompter, const QString &dataFolder,
                               const StartOptions &options)
    : m_window(window), m_parts(parts), m_state(state), m_settings(settings), m_prompter(prompter),
      m_dataFolder(dataFolder), m_options(options)
{
}

void StartupRestore::run()
{
    // Until the window is up, a selection in the folder tree opens nothing.
    m_parts.folderTree->setLoading(true);
    m_state.showAll = m_settings.showAllFiles();
    restrictTabStops();
    readDropFlags();
    applyFilePattern();
    loadEditList();
    restoreSplitterShares();
    restoreAutoPlay();
    restoreWindowRectangle();
    restoreLiveResize();
    restorePlaybackPosition();
    restoreSpeed();
    showWindow();
    m_parts.folderTree->setLoading(false);
    openStartLocation();
    restoreAutoAdvance();
    m_parts.panes->updatePanels();
    m_parts.fileList->setFocus();
    if (const std::optional<bool> on = m_settings.minimiseForEditList())
        m_state.minimiseForEditList = *on;
    m_state.fitViewer = m_settings.fitViewer();
    recordFirstRun();
    loadLastPlaylist();
    m_parts.playlist->markEditList(m_state.editList);
}

void StartupRestore::restrictTabStops()
{
    // Tab cycles path box -> folder tree -> file list only.
    const QList<QWidget *> children = m_window.findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child->focusPolicy() & Qt::TabFocus)
            child->setFocusPolicy(Qt::ClickFocus);
    }
    QWidget *pathBox = m_parts.pathBar->pathBox();
    for (QWidget *stop :
         {pathBox, static_cast<QWidget *>(m_parts.folderTree), static_cast<QWidget *>(m_parts.fileList)})
        stop->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(pathBox, m_parts.folderTree);
    QWidget::setTabOrder(m_parts.folderTree, m_parts.fileList);
}

void StartupRestore::readDropFlags()
{
    // A fresh profile collects every type, so that a folder dropped on the EditList brings its
    // media and "Current pattern :" names them; stored flags are kept as they are.
    const bool fresh = !m_settings.dropFlagsStored();
    for (int row = 0; row < MediaTypes::AllCount; ++row) {
        if (fresh)
            m_state.types.setDragDrop(row, true);
        else if (const std::optional<bool> flag = m_settings.dropCollects(row))
            m_state.types.setDragDrop(row, *flag);
    }
}

void StartupRestore::applyTypeSettings(MediaTypes &types, const Settings &settings)
{
    types.setPictureRange(MediaTypes::FirstPictureRow, MediaTypes::LastPictureRow);
    types.setModernTypes(settings.modernTypes());
}

void StartupRestore::applyFilePattern()
{
    applyTypeSettings(m_state.types, m_settings);
    m_parts.navigator->setPattern(FilePattern(m_state.types.filePattern(m_state.showAll)));
}

FilePattern StartupRestore::listingPattern(const Settings &settings)
{
    MediaTypes types;
    applyTypeSettings(types, settings);
    return FilePattern(types.filePattern(settings.showAllFiles()));
}

bool StartupRestore::earlyReads() const
{
    return m_options.reads && m_options.reads->dataFolder() == m_dataFolder;
}

void StartupRestore::loadEditList()
{
    const QString path = m_dataFolder + ListFiles::EditList;
    const QString problem = earlyReads() ? m_options.reads->takeEditList(m_state.editList)
                                         : EditListFile::load(m_state.editList, path);
    m_state.editListUnreadable = !problem.isEmpty();
    if (m_state.editListUnreadable)
        reportRefusedList(QObject::tr("The EditList in %1 was not read: %2. The file is left as it is."),
                          path, problem);
}

void StartupRestore::restoreSplitterShares()
{
    // The splitters clamp what they are given.
    m_parts.panes->filesSplitter()->setLeftPercent(m_settings.filesShare());
    m_parts.panes->listsSplitter()->setLeftPercent(m_settings.listsShare());
    m_parts.panes->foldersSplitter()->setLeftPercent(m_settings.foldersShare());
}

void StartupRestore::restoreAutoPlay()
{
    PlaybackOptions *options = m_parts.playbackOptions;
    if (const std::optional<bool> on = m_settings.autoPlay())
        options->setAutoPlayOnClick(*on);
    if (const std::optional<bool> on = m_settings.autoPlayAtStart())
        options->setAutoPlayAtStart(*on);
}

void StartupRestore::restoreWindowRectangle()
{
    QList<QRect> screens;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    }
    const QRect placed = WindowGeometry::restore({m_settings.windowLeft(), m_settings.windowTop(),
                                                  m_settings.windowWidth(), m_settings.windowHeight()},
                                                 screens);
    // Where the compositor places windows, the stored position waits for a session that lets the
    // program place them.
    if (WindowSystem::programArrangesWindows())
        m_window.move(placed.topLeft());
    m_window.resize(placed.size());
    m_maximise = m_settings.windowMaximised();
}

void StartupRestore::restoreLiveResize()
{
    m_parts.panes->filesSplitter()->setLiveResize(m_settings.liveResizeLists());
    m_parts.panes->listsSplitter()->setLiveResize(m_settings.liveResizePlayer());
}

void StartupRestore::restorePlaybackPosition()
{
    PlaybackOptions *options = m_parts.playbackOptions;
    m_state.currentFile = m_settings.lastFile();
    if (const std::optional<bool> on = m_settings.rememberPosition())
        options->setRememberPosition(*on);
    if (const std::optional<qint32> position = m_settings.lastPosition())
        m_state.lastPosition = *position;
    if (const std::optional<qint32> offset = m_settings.startOffsetChoice())
        options->setStartOffsetChoice(*offset);
    if (const std::optional<qint32> slide = m_settings.slideDelayChoice())
        options->setSlideDelayChoice(*slide);
}

void StartupRestore::restoreSpeed()
{
    PlaybackOptions *options = m_parts.playbackOptions;
    if (const std::optional<bool> on = m_settings.restoreSpeed())
        options->setRestoreSpeed(*on);
    if (const std::optional<bool> on = m_settings.keepSpeed())
        options->setKeepSpeed(*on);
    if (!options->restoreSpeed())
        return;
    if (const std::optional<qint32> value = m_settings.speed())
        options->setSpeedPercent(*value);
}

void StartupRestore::showWindow()
{
    if (m_maximise)
        m_window.showMaximized();
    else
        m_window.show();
}

QString StartupRestore::startPath(const QString &commandLine, const Settings &settings)
{
    if (!commandLine.isEmpty())
        return commandLine;
    const QString lastFolder = settings.lastFolder();
    if (lastFolder.isEmpty())
        return UserFolders::firstStart();
    return lastFolder.compare(FolderNavigator::computerRootText(), Qt::CaseInsensitive) == 0 ? QString()
                                                                                             : lastFolder;
}

QString StartupRestore::startFolder(const QString &commandLine, const Settings &settings)
{
    const QString path = startPath(commandLine, settings);
    return path.isEmpty() ? QString() : FolderNavigator::folderOpenedFor(path, QDir::homePath());
}

void StartupRestore::openStartLocation()
{
    FolderNavigator *navigator = m_parts.navigator;
    // Only this first listing may take the read begun at start: any later one reads afresh.
    m_parts.listing->setReadAhead(m_options.reads ? m_options.reads->startFolder() : nullptr);
    m_parts.folderTree->setReadAhead(m_options.reads ? m_options.reads->folderChain() : nullptr);
    m_parts.listing->setListAtOnce(true);
    if (const QString path = startPath(m_options.commandLine, m_settings); !path.isEmpty())
        navigator->openPath(path);
    m_parts.listing->setListAtOnce(false);
    m_parts.listing->setReadAhead(nullptr);
    m_parts.folderTree->setReadAhead(nullptr);
    // A path that no longer leads anywhere opens the computer root rather than an empty list.
    if (navigator->currentFolder().isEmpty())
        navigator->selectComputerRoot();
}

void StartupRestore::restoreAutoAdvance()
{
    if (const std::optional<bool> on = m_settings.autoAdvance())
        m_parts.playbackOptions->setAutoAdvance(*on);
}

void StartupRestore::recordFirstRun()
{
    if (m_settings.isFirstRun()) {
        m_settings.recordFirstRun();
        m_settings.sync();
    }
}

void StartupRestore::loadLastPlaylist()
{
    const QString playlist = m_dataFolder + ListFiles::Playlist;
    if (!Paths::fileExists(playlist))
        return;
    const QString problem = earlyReads() ? m_parts.playlist->showFile(m_options.reads->takePlaylist())
                                         : m_parts.playlist->loadFile(playlist);
    m_state.playlistUnreadable = !problem.isEmpty();
    if (m_state.playlistUnreadable)
        reportRefusedList(QObject::tr("The playlist in %1 was not read: %2. The file is left as it is."),
                          playlist, problem);
}

void StartupRestore::reportRefusedList(const QString &sentence, const QString &path, const QString &problem)
{
    m_prompter.message(sentence.arg(NativePath::forDisplay(path), problem), ProgramTitle,
                       Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
}
