// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <atomic>

class FilePattern;

// Reads a folder for the file list: its subfolders and the files the pattern lets through, each
// in ascending name order without regard to case. Hidden entries (names starting with ".") are
// left out; links count as what they point to, so a link to a folder is listed as a folder.
// A folder that cannot be read, or vanishes while it is read, gives what could be read.
class FolderReader
{
public:
    struct Contents
    {
        QStringList folders;
        QStringList files;
        // False when the folder could not be opened.
        bool opened = false;
    };

    // A read whose stop flag is set ends early (its contents are then of no use), so that a folder
    // nobody waits for any more does not keep a processor busy.
    static Contents read(const QString &folder, const FilePattern &pattern,
                         const std::atomic<bool> *stop = nullptr);
};
