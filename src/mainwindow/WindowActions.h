// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/PlayerPanel.h"
#include "playlist/PlaylistPanel.h"

#include <QObject>

class QAction;
class QWidget;

// Every command of the main window, each a named action with its keys, in one place. Window keys
// act wherever the focus is in the window; a control that types text keeps the keys it types.
// The file list's and the folder tree's keys act only while that control has the focus.
class WindowActions : public QObject
{
    Q_OBJECT

public:
    explicit WindowActions(QWidget *window);

    // Player buttons.
    QAction *const goUp;
    QAction *const playInSeparateWindow;
    QAction *const fullScreenVideo;
    QAction *const openInDefaultProgram;
    QAction *const preferences;
    QAction *const showPlayingFile;
    QAction *const openEditList;
    QAction *const playInPlayerWindow;
    QAction *const about;
    // A right click on the separate window buttons: the position is not carried over.
    QAction *const playInSeparateWindowFromStart;
    QAction *const playInPlayerWindowFromStart;

    // Playlist buttons.
    QAction *const loadPlaylist;
    QAction *const playlistToEditList;
    QAction *const clearPlaylist;
    QAction *const clearPlaylistSelection;
    QAction *const savePlaylist;
    QAction *const playlistOptions;

    // The media view's menu.
    QAction *const sendMciCommand;
    QAction *const scaleToFitVideo;

    // Window keys.
    QAction *const typePath;
    QAction *const nextFile;
    QAction *const previousFile;
    QAction *const addToEditList;
    QAction *const removeFromEditList;
    QAction *const toggleAutoAdvance;
    QAction *const toggleThumbnails;
    QAction *const refresh;
    QAction *const playOrPause;
    QAction *const seekBack;
    QAction *const seekForward;
    QAction *const quit;

    // File list keys.
    QAction *const deleteEntry;
    QAction *const openEntry;
    QAction *const addTypeToEditList;
    QAction *const removeTypeFromEditList;

    // Playlist keys.
    QAction *const removePlaylistEntries;
    QAction *const playPlaylistEntry;
    QAction *const selectAllPlaylist;

    // Folder tree keys.
    QAction *const deleteFolder;

    PlayerPanel::Commands playerCommands() const;
    PlaylistPanel::Commands playlistCommands() const;

    // Gives the file list and the folder tree their keys.
    void attachFileListKeys(QWidget *fileList);
    void attachFolderTreeKeys(QWidget *tree);
    void attachPlaylistKeys(QWidget *playlist);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attachListKeys(QWidget *list, const QList<QAction *> &keys);
};
