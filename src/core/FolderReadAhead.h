// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FolderReader.h"

#include <future>
#include <optional>

class FilePattern;

// A folder read ahead while the program starts: the start folder is read while the window is being
// built, and the first listing of that folder takes what was read. Whoever runs the read ends it
// before this goes.
class FolderReadAhead
{
public:
    // Prepares the read of the folder (ending in "/") with the pattern, which read() then runs.
    FolderReadAhead(const QString &folder, const FilePattern &pattern);

    // Reads the folder; called once, on any thread.
    void read() { m_task(); }

    // What was read, once the read has ended, when folder and pattern are the ones it was started
    // with; nothing for any other folder or pattern, and nothing the second time. Waits for the
    // read to end: take it where waiting holds up no window.
    std::optional<FolderReader::Contents> take(const QString &folder, const FilePattern &pattern);

private:
    QString m_folder;
    QString m_patternText;
    std::packaged_task<FolderReader::Contents()> m_task;
    std::future<FolderReader::Contents> m_read;
};
