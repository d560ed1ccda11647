// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/AppServices.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/SessionState.h"

#include <QMainWindow>

class EditListSession;
class FileCommands;
class PlaybackCommands;
class PlaylistCommands;
class FileDeleter;
class FileListThumbnails;
class FilePattern;
class PlaybackOptions;
class SessionAutosave;
class Prompter;
class Settings;

// The main window: the path bar above the four panels (folders, files, playlist, player). It puts
// the panes together, wires their commands, runs the start-up sequence and saves when it closes.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(const AppServices &services, const StartOptions &options, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence; the window is shown during it. A close that arrives meanwhile (a
    // logout) is carried out once the sequence has ended. A second copy shows no window: it only
    // says that the program already runs. Returns false when the window was closed so or never
    // shown: the program then ends without an event loop.
    bool load();

    // A path handed over by another copy: it is opened and the window comes forward. One handed
    // over while the start-up sequence runs (while it asks something) is opened once it has ended.
    void openHandedPath(const QString &command);
    void openDroppedPath(const QString &path);
    // Replaces the playlist with a playlist file, saying so when that cannot be done.
    void openPlaylist(const QString &path);

    // While the EditList window is open the main window refuses to close and brings it forward.
    void setEditListWindow(QWidget *window);
    // A request to end from outside (a signal, the session ending): an open EditList window is
    // closed first, so that its list is kept, then the main window.
    void closeOnRequest();

    // Waits at most that long for work on other threads that outlives the window (thumbnails
    // being made); false when some still runs, which the program then abandons as it ends.
    bool finishBackgroundWork(int withinMs);

    QString currentFolder() const;
    QString currentFile() const { return m_state.currentFile; }
    qint32 lastPosition() const { return m_state.lastPosition; }
    bool showAll() const { return m_state.showAll; }
    bool minimiseForEditList() const { return m_state.minimiseForEditList; }
    const FilePattern &filePattern() const;
    EditListStore &editList() { return m_state.editList; }
    MediaTypes &mediaTypes() { return m_state.types; }
    PlaybackOptions *playbackOptions() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildPanes();
    void connectCommands();
    // Plays the file list's entry a person makes current.
    void playChosenEntries();
    void connectKeys();
    void showPreferences();
    // Shows thumbnails in the file list, or not, as the settings say.
    void showThumbnails();
    void showAbout();
    void offerWebSite();
    void restoreVolume();
    void startAutosave();
    void sayAlreadyRunning();

    Settings &m_settings;
    Prompter &m_prompter;
    AppServices m_services;
    StartOptions m_start;
    SessionState m_state;
    MainWindowParts m_parts;
    std::unique_ptr<FileListController> m_listing;
    std::unique_ptr<FileListThumbnails> m_thumbnails;
    FileDeleter *m_deleter = nullptr;
    EditListSession *m_editListSession = nullptr;
    bool m_closeAfterEditList = false;
    // Closing because the session ends (a termination signal): nothing may wait on a person.
    bool m_closingUnattended = false;
    FileCommands *m_commands = nullptr;
    PlaybackCommands *m_playback = nullptr;
    PlaylistCommands *m_playlistCommands = nullptr;
    SessionAutosave *m_autosave = nullptr;
    // The current entry moved while rows went: its file plays once they are gone.
    bool m_playWhenRowsGone = false;
    bool m_loading = false;
    bool m_closeWhenLoaded = false;
    QStringList m_handedDuringLoad;
};
