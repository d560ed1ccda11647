// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/StartupReads.h"

#include "core/EditListFile.h"
#include "core/FilePattern.h"
#include "core/ListFiles.h"
#include "core/M3uFile.h"
#include "platform/NativePath.h"

#include <QMimeDatabase>
#include <QThread>
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>
#include <utility>

namespace {

bool isLarge(const QString &folder, qint64 largeBytes)
{
    struct stat status = {};
    return ::stat(NativePath::toBytes(folder).constData(), &status) == 0 && status.st_size > largeBytes;
}

} // namespace

StartupReads::StartupReads(const QString &dataFolder, const QString &startFolder, const FilePattern &pattern,
                           qint64 largeFolderBytes)
    : m_dataFolder(dataFolder), m_folderChain(startFolder)
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
    // Qt takes the first thread that uses it for the application's main thread, and the reads use
    // Qt: this thread, which makes the application, is made known first.
    QThread::currentThread();
    FolderReadAhead *folder = this->startFolder();
    if (folder && isLarge(startFolder, largeFolderBytes))
        m_folderReader = std::jthread([folder = std::exchange(folder, nullptr)] { folder->read(); });
    m_reader = std::jthread([folder, chain = &m_folderChain, editList = std::move(editList),
                             playlist = std::move(playlist)]() mutable {
        if (folder)
            folder->read();
        chain->read();
        // The font configuration and its caches, which the first text of the window needs.
        FcInit();
        // The MIME database, which the first listing asks for its icons' names; it is shared by
        // all threads.
        const QMimeType type =
            QMimeDatabase().mimeTypeForFile(QStringLiteral("x.mp3"), QMimeDatabase::MatchExtension);
        type.iconName();
        type.genericIconName();
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
