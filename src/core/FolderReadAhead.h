// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FolderReader.h"

#include <future>
#include <optional>
#include <thread>

class FilePattern;

// A folder read on a thread of its own while the program starts: the start folder is read while
// the window is being built, and the first listing of that folder takes what was read.
class FolderReadAhead
{
public:
    // Starts reading the folder (ending in "/") with the pattern.
    FolderReadAhead(const QString &folder, const FilePattern &pattern);
    // Waits for the read to end.
    ~FolderReadAhead();
    FolderReadAhead(const FolderReadAhead &) = delete;
    FolderReadAhead &operator=(const FolderReadAhead &) = delete;

    // What was read, once the read has ended, when folder and pattern are the ones it was started
    // with; nothing for any other folder or pattern, and nothing the second time. While it waits,
    // yield is called every few milliseconds.
    std::optional<FolderReader::Contents> take(const QString &folder, const FilePattern &pattern,
                                               const FolderReader::Yield &yield = {});

private:
    const QString m_folder;
    const QString m_patternText;
    FolderReader::Contents m_contents;
    std::promise<void> m_read;
    std::future<void> m_readEnded = m_read.get_future();
    std::thread m_reader;
    bool m_taken = false;
};
