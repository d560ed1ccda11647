// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FolderReader.h"

#include <QList>
#include <QStringList>

// Part of a folder's read, as it comes while the folder is still being read: the subfolders and
// files found since the batch before, each in the reader's order, with where each goes among those
// of the batches before. Putting every batch in, in turn, gives the reader's order of the whole.
struct FolderBatch
{
    struct Part
    {
        QStringList names;
        // For each name, how many names of its kind in the batches before come ahead of it:
        // ascending. Empty when every name goes after all of them.
        QList<int> places;
    };

    Part folders;
    Part files;
    // The files (by index in files.names) that are on the EditList.
    QList<int> marked;
    // The read's batch that ends it; opened is false when the folder could not be read.
    bool last = false;
    bool opened = true;

    // A whole read as its only batch.
    static FolderBatch whole(const FolderReader::Contents &contents)
    {
        FolderBatch batch;
        batch.folders.names = contents.folders;
        batch.files.names = contents.files;
        batch.last = true;
        batch.opened = contents.opened;
        return batch;
    }
};
