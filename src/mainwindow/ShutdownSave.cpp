// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ShutdownSave.h"

#include "browse/FileListController.h"
#include "browse/FolderNavigator.h"
#include "core/EditListFile.h"
#include "core/ListFiles.h"
#include "core/Settings.h"
#include "core/Twips.h"
#include "core/VersionTitle.h"
#include "mainwindow/PaneLayout.h"
#include "mainwindow/SessionState.h"
#include "platform/LogCategories.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "platform/WindowSystem.h"
#include "playback/PlaybackOptions.h"
#include "playback/PlayerPanel.h"
#include "playlist/PlaylistPanel.h"
#include "widgets/SplitterPane.h"

#include <QMainWindow>

ShutdownSave::ShutdownSave(const QMainWindow &window, const MainWindowParts &parts, const SessionState &state,
                           Settings &settings, Prompter &prompter, const QString &dataFolder, bool unattended)
    : m_window(window), m_parts(parts), m_state(state), m_settings(settings), m_prompter(prompter),
      m_dataFolder(dataFolder), m_unattended(unattended)
{
}

void ShutdownSave::run()
{
    if (m_state.skipSave)
        return;
    storeSettings();
    saveEditList();
    m_settings.sync();
    savePlaylist();
}

void ShutdownSave::saveSettings()
{
    if (m_state.skipSave)
        return;
    storeSettings();
    m_settings.sync();
}

void ShutdownSave::storeSettings()
{
    m_settings.lastPosition.set(m_state.lastPosition);
    m_settings.volume.set(m_state.volume);
    savePlaybackOptions();
    saveSplitterShares();
    saveWindow();
    saveLocation();
    for (int row = 0; row < MediaTypes::AllCount; ++row)
        m_settings.setDropCollects(row, m_state.types.dragDrop(row));
}

void ShutdownSave::savePlaybackOptions()
{
    m_parts.playbackOptions->save(m_settings);
}

void ShutdownSave::saveSplitterShares()
{
    m_settings.filesShare.set(m_parts.panes->filesSplitter()->leftPercent());
    m_settings.listsShare.set(m_parts.panes->listsSplitter()->leftPercent());
    m_settings.foldersShare.set(m_parts.panes->foldersSplitter()->leftPercent());
}

void ShutdownSave::saveWindow()
{
    // A minimised window keeps the state and rectangle it had before.
    if (m_window.isMaximized()) {
        m_settings.windowMaximised.set(true);
    } else if (!m_window.isMinimized()) {
        m_settings.windowMaximised.set(false);
        // A Wayland compositor does not tell a program where its window is: the position stored
        // is kept for the next session that can place it.
        if (WindowSystem::programArrangesWindows()) {
            m_settings.windowLeft.set(Twips::fromPixels(m_window.x()));
            m_settings.windowTop.set(Twips::fromPixels(m_window.y()));
        }
        m_settings.windowWidth.set(Twips::fromPixels(m_window.width()));
        m_settings.windowHeight.set(Twips::fromPixels(m_window.height()));
    }
}

void ShutdownSave::saveLocation()
{
    const QString folder = m_parts.navigator->currentFolder();
    // The file played last is where the next start comes back to; without one, the folder shown.
    if (!m_state.lastPlayedPath.isEmpty())
        m_settings.lastFolder.set(m_state.lastPlayedPath);
    else
        m_settings.lastFolder.set(folder.isEmpty() ? FolderNavigator::computerRootText() : folder);
    m_settings.lastFile.set(m_state.currentFile);
}

void ShutdownSave::saveEditList()
{
    if (m_state.skipSave || m_state.editListUnreadable)
        return;
    // The closing save waits for entries still leaving; a save while running takes them next time.
    if (!m_unattended && m_parts.listing)
        m_parts.listing->finishEditListChanges();
    const QString path = m_dataFolder + ListFiles::EditList;
    if (const QString problem = EditListFile::save(m_state.editList, path); !problem.isEmpty())
        reportUnsavedList(
            QObject::tr("The EditList could not be saved in %1: %2. The file there was kept as it was."),
            path, problem);
}

void ShutdownSave::savePlaylist()
{
    if (m_state.skipSave || m_state.playlistUnreadable)
        return;
    const QString path = m_dataFolder + ListFiles::Playlist;
    if (const QString problem = m_parts.playlist->saveFile(path); !problem.isEmpty())
        reportUnsavedList(
            QObject::tr("The playlist could not be saved in %1: %2. The file there was kept as it was."),
            path, problem);
}

void ShutdownSave::reportUnsavedList(const QString &sentence, const QString &path, const QString &problem)
{
    const QString text = sentence.arg(NativePath::forDisplay(path), problem);
    if (m_unattended)
        qCCritical(logFiles).noquote() << text;
    else
        m_prompter.message(text, ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Critical);
}
