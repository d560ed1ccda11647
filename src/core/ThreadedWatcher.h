// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QThread>

class QFileSystemWatcher;

// A file system watcher on a thread of its own: watching a folder costs the kernel a walk over
// the entries of it that it has cached, some milliseconds for a folder of 100,000 files, which
// the window's thread does not wait for. Changes are told on the thread that made this.
class ThreadedWatcher : public QObject
{
    Q_OBJECT

public:
    explicit ThreadedWatcher(QObject *parent = nullptr);
    ~ThreadedWatcher() override;

    // Paths as QFileSystemWatcher takes them: folders without their closing separator. Once they
    // are watched, watched() tells it with the token.
    void watch(const QStringList &paths, quint64 token = 0);
    void clear();

Q_SIGNALS:
    void directoryChanged(const QString &path);
    // The paths of a watch() are watched from now on, but for those refused (out of inotify
    // watches, a file system without change notices, a path that is gone).
    void watched(quint64 token, const QStringList &refused);

private:
    QThread m_thread;
    QFileSystemWatcher *m_watcher;
};
