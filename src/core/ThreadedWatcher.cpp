// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ThreadedWatcher.h"

#include <QFileSystemWatcher>

ThreadedWatcher::ThreadedWatcher(QObject *parent) : QObject(parent), m_watcher(new QFileSystemWatcher)
{
    m_watcher->moveToThread(&m_thread);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &ThreadedWatcher::directoryChanged);
    m_thread.setObjectName(QStringLiteral("folder watcher"));
    m_thread.start();
}

ThreadedWatcher::~ThreadedWatcher()
{
    m_thread.quit();
    m_thread.wait();
    // The thread has ended: nothing else uses the watcher.
    delete m_watcher;
}

void ThreadedWatcher::watch(const QStringList &paths, quint64 token)
{
    QMetaObject::invokeMethod(m_watcher, [this, paths, token] {
        const QStringList failed = m_watcher->addPaths(paths);
        QMetaObject::invokeMethod(this, [this, token, failed] { Q_EMIT watched(token, failed); });
    });
}

void ThreadedWatcher::clear()
{
    QMetaObject::invokeMethod(m_watcher, [this] {
        if (const QStringList watched = m_watcher->directories(); !watched.isEmpty())
            m_watcher->removePaths(watched);
    });
}
