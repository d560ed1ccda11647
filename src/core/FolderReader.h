// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <atomic>
#include <functional>

class FilePattern;
struct FolderBatch;

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

    // The first batch a stream hands over holds this many entries; each one after it as many as
    // all before it together.
    static constexpr size_t FirstBatch = 1000;
    // What has been read is handed over at least this often.
    static constexpr qint64 BatchEveryMs = 100;

    // Reads the folder as read() does, handing over what it has found in batches while it reads:
    // a folder of many entries shows its first ones long before its last ones are read. The last
    // batch says whether the folder could be opened. A stopped read hands over no last batch and
    // returns false.
    static bool stream(const QString &folder, const FilePattern &pattern, const std::atomic<bool> *stop,
                       const std::function<void(FolderBatch)> &take);
};
