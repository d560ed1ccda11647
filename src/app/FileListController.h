#pragma once

#include "FolderReader.h"

#include <QColor>
#include <QString>
#include <optional>

class EditListStore;
class FilePattern;
class ListModel;
class SystemImageList;

// What the file list shows and how its entries meet the EditList: the listing of the current
// folder (".." first, then the subfolders, then the files), the volumes at the computer root, the
// blue mark of entries on the EditList, and the commands that add and remove entries.
class FileListController
{
public:
    // The text colour of entries that are on the EditList, in the file list and the playlist.
    static inline const QColor EditListColour{0, 0, 255};

    FileListController(ListModel &entries, EditListStore &store, SystemImageList *icons = nullptr);

    // The folder shown, ending in "/"; empty at the computer root.
    QString folder() const { return m_folder; }

    // Lists a folder; false when it could not be read (the list then holds only "..").
    bool UpdateList(const QString &folder, const FilePattern &pattern, const FolderReader::Yield &yield = {});
    // Lists the volumes of the computer root.
    void AddDrives();
    // Marks the entries whose full path is on the EditList.
    void CheckFileList(const FolderReader::Yield &yield = {});

    // The folder followed by the entry's text for an index above 0; the folder alone otherwise.
    QString GetFullPath(int index) const;
    // Index in the EditList of the current folder + name, nothing when it is not there.
    std::optional<int> GetFileIndex(const QString &name) const;
    bool marked(int index) const;

    void AddToEditList(int index);
    void AddAllToEditListProc(const QString &pattern);
    void RemoveFromEditList(int index);
    void RemoveAllProc(const QString &pattern);

    // True when the name passes an add/remove pattern: empty and "*.*" pass everything, otherwise
    // the name must end in the pattern without its first character.
    static bool passesPattern(const QString &name, const QString &pattern);
    // The entry to make current after entry `removed` was deleted from the list: the one now at
    // that index, else the one before unless it is a folder (or the parent entry); -1 for none.
    static int indexAfterRemoval(const ListModel &entries, int removed);

private:
    bool isFile(int index) const;

    ListModel &m_entries;
    EditListStore &m_store;
    SystemImageList *m_icons;
    QString m_folder;
};
