// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FolderBatch.h"
#include "core/FolderChange.h"
#include "core/FolderReader.h"
#include "core/ThreadedWatcher.h"

#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class FilePattern;
class FolderReadAhead;

// The folder shown, read off the window's thread and then followed on disk: its first read comes
// in batches while the folder is read, and every change another program makes to it afterwards comes as the
// rows to take away and put in. Changes that come in bursts (a copy of thousands of files) are gathered into
// a few reads a second.
class FolderLister : public QObject
{
    Q_OBJECT

public:
    // The rows a change is worked out against, and their revision.
    struct Rows
    {
        QStringList texts;
        QList<ListEntry::Kind> kinds;
        quint64 revision = 0;
    };
    using RowsSource = std::function<Rows()>;
    // Which of a folder's files (by their index in the read's files) are marked; run off the
    // window's thread on what it captured when it was made.
    using Marks = std::function<QList<int>(const QString &folder, const QStringList &files)>;
    // Makes the marks for a listing, on the window's thread, when the listing begins.
    using MarksSource = std::function<Marks()>;

    // How long changes are gathered before the folder is read again.
    static constexpr int GatherMs = 150;

    FolderLister(RowsSource rows, MarksSource marks, QObject *parent = nullptr);
    ~FolderLister() override;

    // How the first read of a folder is made: off the window's thread, or on it before list()
    // returns (for the start, before the window is used).
    enum class Read
    {
        Later,
        AtOnce
    };

    // Reads the folder (ending in "/") with the pattern, then follows it; a read of another folder
    // still running is dropped. An early read of this folder and pattern is taken instead of
    // reading again, at once.
    void list(const QString &folder, const FilePattern &pattern, FolderReadAhead *early = nullptr,
              Read read = Read::Later);
    // Follows no folder any more.
    void stop();
    // The folder's first read has not come yet.
    bool isListing() const { return m_listing; }
    // The folder (ending in "/") is listed and followed: what the list shows of it is up to date.
    bool isFollowing(const QString &folder) const;
    // Reads the folder followed again soon, to give a change worked out against rows that changed
    // meanwhile once more.
    void followAgain();

Q_SIGNALS:
    // A batch of the folder's first read, with which of its files are marked.
    void arrived(const FolderBatch &batch);
    // The folder's first read has come whole, after its last batch; opened is false when the
    // folder could not be read.
    void listed(bool opened);
    // A later read differs from the rows of that revision.
    void changed(const FolderChange &change, quint64 revision);
    // The folder followed was removed or renamed away.
    void vanished(const QString &folder);

private:
    void directoryChanged(const QString &path);
    // The folder followed is gone.
    void gone();
    void readAgain();
    void startWatching();
    void watched(quint64 generation, const QStringList &refused);
    void startReading();

    RowsSource m_rows;
    MarksSource m_marks;
    QString m_folder;
    QString m_patternText;
    ThreadedWatcher m_watcher;
    // The folder is watched, or is to be and was not refused.
    bool m_watching = false;
    // What comes once the folder is watched: its read, so that no change between the read and the
    // watch goes unseen; or, after a read taken at once, a read again for the same reason.
    enum class OnceWatched
    {
        Nothing,
        Read,
        ReadAgain
    };
    OnceWatched m_onceWatched = OnceWatched::Nothing;
    // The marks for the read that waits for the watch.
    Marks m_marksForRead;
    QTimer m_gather;
    // Set for a read nobody waits for any more.
    std::shared_ptr<std::atomic<bool>> m_stop;
    quint64 m_generation = 0;
    bool m_listing = false;
    bool m_reading = false;
    bool m_readAgain = false;
};
