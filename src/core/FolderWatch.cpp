// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderWatch.h"

#include "core/FilePattern.h"
#include "core/OffThread.h"
#include "core/Paths.h"

#include <QList>
#include <utility>

namespace {

struct Read
{
    QString folder;
    FolderReader::Contents contents;
};

} // namespace

FolderWatch::FolderWatch(QObject *parent) : QObject(parent)
{
    m_gather.setSingleShot(true);
    m_gather.setInterval(GatherMs);
    connect(&m_gather, &QTimer::timeout, this, &FolderWatch::readChanged);
    connect(&m_watcher, &ThreadedWatcher::directoryChanged, this, &FolderWatch::toRead);
    // A folder is read before it is watched: once it is, it is read again, so that a change in
    // between is not missed.
    connect(&m_watcher, &ThreadedWatcher::watched, this, [this](quint64 token, const QStringList &refused) {
        const QString path = m_asked.take(token);
        if (!path.isEmpty() && !refused.contains(path))
            toRead(path);
    });
}

void FolderWatch::toRead(const QString &path)
{
    // The watcher names a folder without its separator.
    m_changed.insert(Paths::withSeparator(path));
    if (!m_gather.isActive())
        m_gather.start();
}

void FolderWatch::follow(const QString &folder)
{
    const QString path = Paths::withoutSeparator(folder);
    if (!m_followed.contains(path)) {
        m_followed.insert(path);
        m_asked.insert(++m_token, path);
        m_watcher.watch({path}, m_token);
    }
}

void FolderWatch::clear()
{
    ++m_generation;
    m_gather.stop();
    m_changed.clear();
    m_followed.clear();
    m_asked.clear();
    m_watcher.clear();
}

void FolderWatch::readChanged()
{
    const QSet<QString> folders = std::exchange(m_changed, {});
    const quint64 generation = m_generation;
    OffThread::run(
        this,
        [folders] {
            QList<Read> reads;
            for (const QString &folder : folders)
                reads.append({folder, FolderReader::read(folder, FilePattern())});
            return reads;
        },
        [this, generation](const QList<Read> &reads) {
            if (generation != m_generation)
                return;
            for (const Read &read : reads)
                Q_EMIT changed(read.folder, read.contents);
        });
}
