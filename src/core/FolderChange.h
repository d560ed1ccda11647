// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FolderReader.h"
#include "core/ListEntry.h"

#include <QList>
#include <QStringList>

// How the rows of a folder's list become the rows of a newer read of the folder: the rows to take
// away, then the runs of rows to put in. The list holds ".." first, then the subfolders, then the
// files, each in the reader's order, as FolderReader gives them; rows that stay keep their place
// among each other, so a current entry, a selection and the marks of the rows stay with them.
struct FolderChange
{
    struct Insertion
    {
        // Where the first row of the run goes, counted in the list as it is once every removal and
        // every run before this one is done.
        int row = 0;
        ListEntry::Kind kind = ListEntry::Kind::File;
        QStringList texts;
    };

    // Rows of the list as it was, in ascending order.
    QList<int> removed;
    // In ascending order of row.
    QList<Insertion> inserted;
    // The rows kept are not in the order of the new read (the list was filled otherwise): the list
    // is to be filled again whole.
    bool whole = false;

    bool isEmpty() const { return removed.isEmpty() && inserted.isEmpty() && !whole; }

    // What turns the rows (texts and kinds side by side) into ".." followed by the read's folders
    // and files.
    static FolderChange between(const QStringList &texts, const QList<ListEntry::Kind> &kinds,
                                const FolderReader::Contents &now);
};
