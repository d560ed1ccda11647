// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderWalker.h"

#include "core/FilePattern.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"

#include <QElapsedTimer>
#include <QList>
#include <QtConcurrent/QtConcurrentRun>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

struct FolderWalker::Reports
{
    FolderWalker &walker;
    QByteArray folder;
    QStringList files;
    QElapsedTimer sinceSent;

    // The first folder is reported at once; later ones as the files are, the latest of them.
    void entered(const QByteArray &path)
    {
        folder = path;
        if (!sinceSent.isValid() || sinceSent.elapsed() >= SendAfterMs)
            send();
    }
    void found(QString path)
    {
        files.append(std::move(path));
        if (sinceSent.elapsed() >= SendAfterMs)
            send();
    }
    void send()
    {
        if (!folder.isEmpty())
            Q_EMIT walker.folderEntered(NativePath::fromBytes(std::exchange(folder, {})));
        if (!files.isEmpty())
            Q_EMIT walker.filesFound(std::exchange(files, {}));
        sinceSent.start();
    }

    // A person reads no more than this; a report for each of many small folders would cost more
    // than the walk.
    static constexpr int SendAfterMs = 20;
};

FolderWalker::FolderWalker(Prompter &prompter, QObject *parent) : QObject(parent), m_prompter(prompter)
{
    connect(&m_worker, &QFutureWatcher<void>::finished, this, [this] {
        m_busy = false;
        Q_EMIT finished();
    });
}

FolderWalker::~FolderWalker()
{
    cancel();
    m_worker.waitForFinished();
}

bool FolderWalker::start(const QString &path, const QString &pattern)
{
    if (m_busy || !path.startsWith(QLatin1Char('/')))
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

    m_cancel = false;
    m_folderCount = 0;
    m_busy = true;
    m_worker.setFuture(QtConcurrent::run([this, folder, pattern] {
        Reports reports{*this, {}, {}, {}};
        walk(folder, FilePattern(pattern, FilePattern::Syntax::Endings), reports);
        reports.send();
    }));
    return true;
}

void FolderWalker::walk(const QByteArray &folder, const FilePattern &pattern, Reports &reports)
{
    if (m_cancel)
        return;
    DIR *dir = ::opendir(folder.constData());
    // A folder that cannot be read is passed over silently.
    if (!dir)
        return;
    ++m_folderCount;
    reports.entered(folder);

    QList<QByteArray> subfolders;
    while (const dirent *entry = ::readdir(dir)) {
        if (m_cancel)
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
            reports.found(NativePath::fromBytes(folder + QByteArray(name, qsizetype(length))));
    }
    ::closedir(dir);

    for (const QByteArray &subfolder : subfolders) {
        if (m_cancel)
            return;
        walk(folder + subfolder + '/', pattern, reports);
    }
}
