// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderWalker.h"

#include "core/EventSlice.h"
#include "core/FilePattern.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"

#include <QCoreApplication>
#include <QList>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

FolderWalker::FolderWalker(Prompter &prompter, QObject *parent) : QObject(parent), m_prompter(prompter) {}

bool FolderWalker::walk(const QString &path, const QString &pattern)
{
    m_cancel = false;
    m_stop = false;
    resetFolderCount();
    if (!path.startsWith(QLatin1Char('/')))
        return false;
    QByteArray folder = NativePath::toBytes(path);
    if (!folder.endsWith('/'))
        folder += '/';

    DIR *probe = ::opendir(folder.constData());
    if (!probe) {
        m_prompter.message(path, tr("Path is invalid"), Prompter::Buttons::Ok, Prompter::Icon::Information);
        return false;
    }
    ::closedir(probe);

    m_busy = true;
    m_sinceEvents.start();
    walk(folder, FilePattern(pattern, FilePattern::Syntax::Endings));
    m_busy = false;
    Q_EMIT finished();
    return true;
}

void FolderWalker::letEventsRun()
{
    if (m_sinceEvents.elapsed() >= EventSliceMs) {
        QCoreApplication::processEvents();
        m_sinceEvents.restart();
    }
}

void FolderWalker::walk(const QByteArray &folder, const FilePattern &pattern)
{
    letEventsRun();
    if (halted())
        return;
    DIR *dir = ::opendir(folder.constData());
    // A folder that cannot be read is passed over silently.
    if (!dir)
        return;
    ++m_folderCount;
    Q_EMIT folderEntered(NativePath::fromBytes(folder));

    QList<QByteArray> subfolders;
    while (const dirent *entry = ::readdir(dir)) {
        letEventsRun();
        if (halted())
            break;
        const char *name = entry->d_name;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            // The listing does not say, or the entry is a link: ask what it stands for. A link to
            // a folder is neither walked nor reported, so links can never make the walk loop.
            struct stat info = {};
            if (::stat((folder + name).constData(), &info) != 0)
                continue;
            if (S_ISDIR(info.st_mode) && type == DT_LNK)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_DIR) {
            if (name[0] != '.')
                subfolders.append(QByteArray(name));
            continue;
        }
        // Pipes, sockets and devices are no media files, whatever their names.
        if (type != DT_REG)
            continue;
        const size_t length = std::strlen(name);
        if (pattern.matchesBytes(name, length))
            Q_EMIT fileFound(NativePath::fromBytes(folder + QByteArray(name, qsizetype(length))));
    }
    ::closedir(dir);

    for (const QByteArray &subfolder : subfolders) {
        if (halted())
            return;
        walk(folder + subfolder + '/', pattern);
    }
}
