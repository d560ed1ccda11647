// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browse/FileContextMenu.h"
#include "core/FolderWalker.h"

#include <QObject>
#include <QPointer>

class EntryListView;
class SearchProgressDialog;
class FileListController;
class FolderNavigator;
class FolderTree;
class Prompter;
class PlaylistPanel;
struct SessionState;

// The commands of the file menu and the keys that share them: the EditList and playlist commands
// on the file list's entries, opening entries elsewhere, and their properties. Commands run on the
// entry the menu was opened on, or on the selected entry when they come from a key or button.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget *window;
        EntryListView &fileList;
        FileListController &listing;
        FolderNavigator &navigator;
        FolderTree &tree;
        PlaylistPanel &playlist;
        SessionState &state;
    };

    FileCommands(const Parts &parts, Prompter &prompter, QObject *parent = nullptr);

    FileContextMenu *menu() const { return m_menu; }
    // While the EditList window is open, the file list offers no menu.
    void setEditListWindow(QWidget *window) { m_editListWindow = window; }
    QWidget *editListWindow() const { return m_editListWindow; }
    // Stops a folder search that is still running.
    void cancelSearch() { m_walker.cancel(); }

    void showMenuOnFileList(const QPoint &viewportPosition);
    void showMenuOnFolderTree(const QPoint &globalPosition);

    void addToPlaylist();
    void addAllToPlaylist();
    // Files dropped on the playlist are added; folders are searched for a pattern the user picks.
    void addDroppedToPlaylist(const QStringList &paths);
    void addToEditList();
    void addAllToEditList();
    void removeFromEditList();
    void removeAllFromEditList();
    // Adds or removes the entries of one type, chosen by the user.
    void changeEditListByType(bool add);
    void addPlaylistToEditList();
    void openInDefaultProgram();
    void showProperties();
    // Marks the playlist entries that are on the EditList.
    void markPlaylist();

Q_SIGNALS:
    void editListRequested();
    // The medium of the player in a separate window.
    void separateWindowRequested();
    // A file is about to be opened by its default program: the player stops first.
    void fileOpeningElsewhere();

private:
    // True, having said so, while the EditList window is open.
    bool refusedWhileEditListOpen();
    int targetEntry() const;
    void showMenu(FileContextMenu::Target target, int entry, const QPoint &globalPosition);
    // Tells the user, once per command, of files left out because of their names.
    void reportUnlistable(const QStringList &paths);
    // Searches the folders one after another, adding what is found to the playlist.
    void searchIntoPlaylist(const QStringList &folders, const QString &pattern);
    void searchNextFolder();
    void addFoundToPlaylist(const QStringList &paths);

    Parts m_parts;
    Prompter &m_prompter;
    FileContextMenu *m_menu = nullptr;
    FolderWalker m_walker;
    QPointer<SearchProgressDialog> m_searchProgress;
    QStringList m_searchFolders;
    QString m_searchPattern;
    int m_searchFound = 0;
    QPointer<QWidget> m_editListWindow;
    // The file-list entry the menu was opened on; -1 when the commands run without the menu.
    int m_menuEntry = -1;
};
