// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupReads.h"

#include "EditListFile.h"
#include "FilePattern.h"
#include "ListFiles.h"
#include "M3uFile.h"

#include <fontconfig/fontconfig.h>

StartupReads::StartupReads(const QString &dataFolder, const QString &startFolder, const FilePattern &pattern)
    : m_dataFolder(dataFolder),
      // The font configuration and its caches, which the first text of the window needs.
      m_fonts(std::async(std::launch::async, [] { FcInit(); })),
      m_editList(std::async(std::launch::async,
                            [path = dataFolder + ListFiles::EditList] {
                                EditListRead read;
                                read.problem = EditListFile::load(read.store, path);
                                return read;
                            })),
      m_playlist(std::async(std::launch::async,
                            [path = dataFolder + ListFiles::Playlist] { return M3uFile::read(path); }))
{
    if (!startFolder.isEmpty())
        m_startFolder.emplace(startFolder, pattern);
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
