// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FolderReader.h"
#include "core/ThreadedWatcher.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

// Folders followed for their subfolders: when another program changes one, it is read again off
// the window's thread, and what it holds now is told. Changes that come in bursts are gathered
// into a few reads a second.
class FolderWatch : public QObject
{
    Q_OBJECT

public:
    // How long changes are gathered before the folders are read again.
    static constexpr int GatherMs = 250;

    explicit FolderWatch(QObject *parent = nullptr);

    // Follows the folder (ending in "/"); a folder that cannot be watched is left out.
    void follow(const QString &folder);
    // Follows none of the folders any more.
    void clear();

Q_SIGNALS:
    // What a followed folder holds now (read with no pattern); a folder gone holds nothing and is
    // not opened.
    void changed(const QString &folder, const FolderReader::Contents &contents);

private:
    // Reads the folder again once changes have been gathered.
    void toRead(const QString &path);
    void readChanged();

    ThreadedWatcher m_watcher;
    QSet<QString> m_followed;
    // The folders asked to be watched, by the token of the request.
    QHash<quint64, QString> m_asked;
    quint64 m_token = 0;
    QTimer m_gather;
    QSet<QString> m_changed;
    quint64 m_generation = 0;
};
