// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FolderReader.h"

#include <QStringList>
#include <optional>

class EditListStore;
class FilePattern;
class FolderReadAhead;
class EntryListModel;
class FileIconProvider;

// What the file list shows and how its entries meet the EditList: the listing of the current
// folder (".." first, then the subfolders, then the files), the volumes at the computer root, the
// blue mark of entries on the EditList, and the commands that add and remove entries.
class FileListController
{
public:
    FileListController(EntryListModel &entries, EditListStore &store, FileIconProvider *icons = nullptr);

    // The folder shown, ending in "/"; empty at the computer root.
    QString folder() const { return m_folder; }

    // Lists a folder; false when it could not be read (the list then holds only ".."). Progress is
    // called every few milliseconds while a large folder is read.
    bool listFolder(const QString &folder, const FilePattern &pattern,
                    const FolderReader::Progress &progress = {});
    // A read begun earlier that a listing of its folder takes instead of reading again; none
    // reads every folder when it is listed.
    void setReadAhead(FolderReadAhead *readAhead) { m_readAhead = readAhead; }
    // Lists the volumes of the computer root.
    void listVolumes();
    // Marks the entries whose full path is on the EditList.
    void markEditListEntries();

    // The folder followed by the entry's text for an index above 0; the folder alone otherwise.
    QString fullPath(int index) const;
    // Index in the EditList of the current folder + name, nothing when it is not there.
    std::optional<int> editListIndex(const QString &name) const;
    bool marked(int index) const;

    // The adding commands leave out files whose names a list file cannot hold (see ListFiles) and
    // return those files' paths.
    QStringList addToEditList(int index);
    QStringList addAllToEditList(const QString &pattern);
    void removeFromEditList(int index);
    // One pass and one change notification, however many entries leave the EditList.
    void removeAllFromEditList(const QString &pattern);

    // True when the name passes an add/remove pattern: empty and "*.*" pass everything, otherwise
    // the name must end in the pattern without its first character.
    static bool passesPattern(const QString &name, const QString &pattern);
    // The entry to make current after entry `removed` was deleted from the list: the one now at
    // that index, else the one before unless it is a folder (or the parent entry); -1 for none.
    static int indexAfterRemoval(const EntryListModel &entries, int removed);

private:
    bool isFile(int index) const;

    EntryListModel &m_entries;
    EditListStore &m_store;
    FileIconProvider *m_icons;
    FolderReadAhead *m_readAhead = nullptr;
    QString m_folder;
};
