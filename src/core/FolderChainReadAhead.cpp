// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderChainReadAhead.h"

#include "core/FilePattern.h"
#include "core/FolderListing.h"

FolderChainReadAhead::FolderChainReadAhead(const QString &folder)
    : m_task([folders = chain(folder)] {
          Read read;
          read.volumes = FolderListing::volumes();
          for (const QString &path : folders)
              read.folders.insert(path, FolderReader::read(path, FilePattern()));
          return read;
      }),
      m_read(m_task.get_future())
{
}

QStringList FolderChainReadAhead::chain(const QString &folder)
{
    QStringList folders;
    if (!folder.startsWith(QLatin1Char('/')))
        return folders;
    // The folder itself is only selected, not opened; it may be large, and the listing reads it.
    for (qsizetype slash = 0; slash >= 0 && slash < folder.size() - 1;
         slash = folder.indexOf(QLatin1Char('/'), slash + 1)) {
        folders.append(folder.left(slash + 1));
    }
    return folders;
}

FolderChainReadAhead::Read &FolderChainReadAhead::done()
{
    if (!m_done)
        m_done.emplace(m_read.get());
    return *m_done;
}

std::optional<QList<ListEntry>> FolderChainReadAhead::takeVolumes()
{
    return std::exchange(done().volumes, std::nullopt);
}

std::optional<FolderReader::Contents> FolderChainReadAhead::take(const QString &folder)
{
    QHash<QString, FolderReader::Contents> &folders = done().folders;
    const auto it = folders.find(folder);
    if (it == folders.end())
        return std::nullopt;
    FolderReader::Contents contents = std::move(it.value());
    folders.erase(it);
    return contents;
}
