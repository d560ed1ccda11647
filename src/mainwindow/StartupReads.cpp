// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupReads.h"

#include "EditListFile.h"
#include "FilePattern.h"
#include "ListFiles.h"
#include "M3uFile.h"

#include <QMimeDatabase>
#include <fontconfig/fontconfig.h>

StartupReads::StartupReads(const QString &dataFolder, const QString &startFolder, const FilePattern &pattern)
    : m_dataFolder(dataFolder)
{
    if (!startFolder.isEmpty())
        m_startFolder.emplace(startFolder, pattern);
    std::packaged_task<EditListRead()> editList([path = dataFolder + ListFiles::EditList] {
        EditListRead read;
        read.problem = EditListFile::load(read.store, path);
        return read;
    });
    m_editList = editList.get_future();
    std::packaged_task<TextLineFile::Contents()> playlist(
        [path = dataFolder + ListFiles::Playlist] { return M3uFile::read(path); });
    m_playlist = playlist.get_future();
    m_reader = std::jthread([folder = this->startFolder(), editList = std::move(editList),
                             playlist = std::move(playlist)]() mutable {
        if (folder)
            folder->read();
        // The font configuration and its caches, which the first text of the window needs.
        FcInit();
        editList();
        playlist();
    });
}

QString StartupReads::takeEditList(EditListStore &store)
{
    EditListRead read = m_editList.get();
    store = std::move(read.store);
    return read.problem;
}

TextLineFile::Contents StartupReads::takePlaylist()
{
    return m_playlist.get();
}
