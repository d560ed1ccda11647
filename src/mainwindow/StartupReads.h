// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EditListStore.h"
#include "core/FolderChainReadAhead.h"
#include "core/FolderReadAhead.h"
#include "platform/TextLineFile.h"

#include <future>
#include <optional>
#include <thread>

class FilePattern;

// What a start reads, on a thread of its own from the first moment, while the application and the
// window are built: the start folder, the folders the tree opens down to it, the font
// configuration, the MIME database, the EditList and the last playlist, in the order the window
// needs them. One thread, so that the reads never take both processor cores from the application
// and the display server; only a large start folder gets a second one, so that the other reads do
// not wait behind it. Whatever is not taken is waited for when this goes.
class StartupReads
{
public:
    // A start folder whose directory takes more bytes than this (some thousands of entries) is
    // read on a thread of its own, unless the constructor is told otherwise.
    static constexpr qint64 LargeFolderBytes = 256 * 1024;

    // dataFolder ends in "/"; an empty startFolder reads no folder.
    StartupReads(const QString &dataFolder, const QString &startFolder, const FilePattern &pattern,
                 qint64 largeFolderBytes = LargeFolderBytes);

    // Where the EditList and the playlist were read from.
    const QString &dataFolder() const { return m_dataFolder; }
    // The start folder's read; none when no folder was read.
    FolderReadAhead *startFolder() { return m_startFolder ? &*m_startFolder : nullptr; }
    // The volumes and the folders from the root down to the start folder.
    FolderChainReadAhead *folderChain() { return &m_folderChain; }
    // The EditList file read into the store, which it replaces; returns why the file was not read,
    // empty otherwise (see EditListFile::load).
    QString takeEditList(EditListStore &store);
    // The playlist file as it was read.
    TextLineFile::Contents takePlaylist();

private:
    struct EditListRead
    {
        EditListStore store;
        QString problem;
    };

    QString m_dataFolder;
    std::optional<FolderReadAhead> m_startFolder;
    FolderChainReadAhead m_folderChain;
    std::future<EditListRead> m_editList;
    std::future<TextLineFile::Contents> m_playlist;
    // Last, so that they are joined before what they read into goes.
    std::jthread m_folderReader;
    std::jthread m_reader;
};
