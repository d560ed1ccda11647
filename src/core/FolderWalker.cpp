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

struct FolderWalker::Batch
{
    FolderWalker &walker;
    QStringList paths;
    QElapsedTimer sinceSent;

    void add(QString path)
    {
        paths.append(std::move(path));
        if (sinceSent.elapsed() >= SendAfterMs)
            send();
    }
    void send()
    {
        if (!paths.isEmpty())
            Q_EMIT walker.filesFound(std::exchange(paths, {}));
        sinceSent.restart();
    }

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
        Batch batch{*this, {}, {}};
        batch.sinceSent.start();
        walk(folder, FilePattern(pattern, FilePattern::Syntax::Endings), batch);
        batch.send();
    }));
    return true;
}

void FolderWalker::walk(const QByteArray &folder, const FilePattern &pattern, Batch &batch)
{
    if (m_cancel)
        return;
    DIR *dir = ::opendir(folder.constData());
    // A folder that cannot be read is passed over silently.
    if (!dir)
        return;
    ++m_folderCount;
    batch.send();
    Q_EMIT folderEntered(NativePath::fromBytes(folder));

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
            batch.add(NativePath::fromBytes(folder + QByteArray(name, qsizetype(length))));
    }
    ::closedir(dir);

    for (const QByteArray &subfolder : subfolders) {
        if (m_cancel)
            return;
        walk(folder + subfolder + '/', pattern, batch);
    }
}
