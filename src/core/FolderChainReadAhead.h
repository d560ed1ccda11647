// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FolderReader.h"
#include "core/ListEntry.h"

#include <QHash>
#include <QList>
#include <future>
#include <optional>

// What the folder tree reads to open down to the start folder, read ahead while the program starts:
// the mounted volumes and the subfolders of every folder from the root down to the start folder's
// parent. The tree's first loads of those take what was read. Whoever runs the read ends it before
// this goes.
class FolderChainReadAhead
{
public:
    // Prepares the reads for the folder (ending in "/"; empty for the volumes alone), which read()
    // then runs.
    explicit FolderChainReadAhead(const QString &folder);

    // Reads the volumes and the folders; called once, on any thread.
    void read() { m_task(); }

    // The volumes, once read; nothing the second time.
    std::optional<QList<ListEntry>> takeVolumes();
    // What a folder on the way holds (read with no pattern), once read; nothing for any other
    // folder, and nothing the second time.
    std::optional<FolderReader::Contents> take(const QString &folder);

    // The folders read for a folder: each one from the root down to its parent, ending in "/".
    static QStringList chain(const QString &folder);

private:
    struct Read
    {
        std::optional<QList<ListEntry>> volumes;
        QHash<QString, FolderReader::Contents> folders;
    };
    Read &done();

    std::packaged_task<Read()> m_task;
    std::future<Read> m_read;
    std::optional<Read> m_done;
};
