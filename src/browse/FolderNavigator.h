// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FilePattern.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class EntryListView;
class FileListController;
class FolderTree;
class PathBar;

// Moves the folder tree, the file list and the path box together: opening paths handed in, typed
// or dropped, entering and leaving folders from the list, the computer root, and stepping through
// the files of the folder shown.
class FolderNavigator : public QObject
{
    Q_OBJECT

public:
    FolderNavigator(FolderTree &tree, EntryListView &list, FileListController &listing, PathBar &pathBar,
                    QObject *parent = nullptr);

    // The text the folder tree gives for the computer root, the list of volumes.
    static QString computerRootText();

    // The folder shown, ending in "/", or the computer root's text; empty before anything is shown.
    QString currentFolder() const { return m_currentFolder; }

    void setPattern(const FilePattern &pattern) { m_pattern = pattern; }
    const FilePattern &pattern() const { return m_pattern; }

    // Opens a folder, or a file's folder with the file selected; quotes are dropped. A file that
    // does not exist opens its folder when that exists.
    void openPath(const QString &path);
    // The folder (ending in "/") that openPath lists for a path, with a relative path taken from
    // base; empty when it lists none.
    static QString folderOpenedFor(const QString &path, const QString &base);
    // What Enter in the path box does with its text.
    void openTypedPath(const QString &typed);
    void selectFolder(const QString &folder);
    void selectComputerRoot();
    // Lists the folder shown again.
    void relist();
    // Reads the tree and the folder again, keeping the selected entry selected.
    void refresh();
    // Selects the entry of that name: an exact match first, then one differing only in case.
    // While the folder is being listed, the entry is selected once the listing has come.
    void selectEntry(const QString &name);
    // The folder's entries have not all come yet.
    bool isListing() const;
    // Runs the step once the folder shown is listed: at once when it is.
    void whenListed(const std::function<void()> &step);
    // A double click on an entry: folders and volumes open, ".." goes up a level, a file is to be
    // played (fileActivated).
    void activateEntry(int row);
    // Enter on the selected entry: as a double click, and a picture shown opens on the whole screen.
    void enterSelectedEntry();
    void goToNextFile();
    void goToPreviousFile();
    void goUp();

Q_SIGNALS:
    // A file of the list was double-clicked or entered: a medium is to play, and, entered, a
    // picture to open on the whole screen.
    void fileActivated(bool entered);
    // The entries of the folder shown have all come.
    void listed();

private:
    QString absolute(const QString &path) const;
    QString baseFolder() const;
    void folderSelected(const QString &path, const QString &displayText);
    void showFolder(const QString &folder);
    void folderListed();
    void folderVanished(const QString &folder);

    FolderTree &m_tree;
    EntryListView &m_list;
    FileListController &m_listing;
    PathBar &m_pathBar;
    FilePattern m_pattern;
    QString m_currentFolder;
    // The entry to select once the listing has come.
    std::optional<QString> m_pendingEntry;
    QList<std::function<void()>> m_afterListing;
};
