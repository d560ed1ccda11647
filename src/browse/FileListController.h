// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EditListStore.h"
#include "core/FolderLister.h"

#include <QFutureWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <optional>

class FilePattern;
class FolderReadAhead;
class EntryListModel;
class FileIconProvider;

// What the file list shows and how its entries meet the EditList: the listing of the current
// folder (".." first, then the subfolders, then the files), the volumes at the computer root, the
// blue mark of entries on the EditList, and the commands that add and remove entries. The folder
// is read off the window's thread, and followed: what other programs change in it shows.
class FileListController : public QObject
{
    Q_OBJECT

public:
    // A change that puts in more runs of rows than this lists the folder again whole.
    static constexpr int MostRunsPutIn = 500;

    FileListController(EntryListModel &entries, EditListStore &store, FileIconProvider *icons = nullptr,
                       QObject *parent = nullptr);

    // The folder shown, ending in "/"; empty at the computer root.
    QString folder() const { return m_folder; }

    // Lists a folder: ".." at once, the folder's entries while they are read, each where it belongs
    // in the list's order (listed once all have come), then every change another program makes to
    // the folder (changed).
    void listFolder(const QString &folder, const FilePattern &pattern);
    // Not all of the folder's entries have come yet.
    bool isListing() const { return m_lister.isListing(); }
    // Rows are going or coming because another program changed the folder. The view moves its
    // current row off a row that goes; nobody chose the entry it moves to.
    bool isApplyingChange() const { return m_applyingChange; }
    // The folder (ending in "/") is listed with the pattern, and followed.
    bool isFollowing(const QString &folder, const FilePattern &pattern) const;
    // A read begun earlier that a listing of its folder takes instead of reading again; none
    // reads every folder when it is listed.
    void setReadAhead(FolderReadAhead *readAhead) { m_readAhead = readAhead; }
    // While on, a folder is listed before listFolder returns (the start, which restores what it
    // shows from the list before the window is used); otherwise its entries come later.
    void setListAtOnce(bool on) { m_listAtOnce = on; }
    // Lists the volumes of the computer root, and follows no folder.
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
    // The marks go at once; the EditList loses the entries a moment later, worked out off the
    // window's thread (editListChanged), in one pass however many leave.
    void removeAllFromEditList(const QString &pattern);
    // Takes in an EditList change still being worked out, waiting for it: before the EditList is
    // shown or saved.
    void finishEditListChanges();

    // True when the name passes an add/remove pattern: empty and "*.*" pass everything, otherwise
    // the name must end in the pattern without its first character.
    static bool passesPattern(const QString &name, const QString &pattern);
    // The entry to make current after entry `removed` was deleted from the list: the one now at
    // that index, else the one before unless it is a folder (or the parent entry); -1 for none.
    static int indexAfterRemoval(const EntryListModel &entries, int removed);

Q_SIGNALS:
    // The folder's entries came; opened is false when the folder could not be read (the list
    // then holds only "..").
    void listed(bool opened);
    // Another program changed the folder, and the list now shows it.
    void changed();
    // The change is too large to follow row by row: the folder is to be listed again whole.
    void needsListing();
    // The folder shown was removed or renamed away.
    void folderVanished(const QString &folder);
    // Entries left the EditList after removeAllFromEditList.
    void editListChanged();

private:
    bool isFile(int index) const;
    // What marks a listing's files that are on the EditList, off the window's thread.
    FolderLister::Marks marks();
    // Puts a batch of the folder's entries in where they belong among those already listed.
    void take(const FolderBatch &batch);
    void apply(const FolderChange &change, quint64 revision);
    // Marks the files from row first to row last that are on the EditList.
    void markEditListEntries(int first, int last);

    EntryListModel &m_entries;
    EditListStore &m_store;
    FileIconProvider *m_icons;
    FolderReadAhead *m_readAhead = nullptr;
    bool m_listAtOnce = false;
    bool m_applyingChange = false;
    FolderLister m_lister;
    QString m_folder;
    QString m_patternText;
    // How many folders and files the listing under way has put in so far.
    int m_folderRows = 0;
    int m_fileRows = 0;
    // The EditList's revision the listing under way was marked against.
    quint64 m_marksRevision = 0;

    // The entries a removal takes off the EditList: the files of those rows.
    struct Leaving
    {
        QString folder;
        QStringList texts;
        QList<int> rows;

        QSet<QString> paths() const;
    };
    void takeRemoval();
    // The EditList without the entries leaving, worked out off the window's thread.
    QFutureWatcher<EditListStore> m_removal;
    Leaving m_leaving;
    // The EditList's revision the removal under way was worked out from.
    quint64 m_removalRevision = 0;
};
