// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FolderReader.h"

#include <QFileSystemWatcher>
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
    void readChanged();

    QFileSystemWatcher m_watcher;
    QTimer m_gather;
    QSet<QString> m_changed;
    quint64 m_generation = 0;
};
