// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <atomic>
#include <functional>

class Prompter;
struct stat;

// Copies or moves one file through a temporary file beside the destination, in chunks of the
// caller's buffer size, with progress, time and rate figures and a cancel honoured between chunks.
// It runs synchronously on the caller's thread, a worker's; cancel() and setFailureMessagesShown()
// may be called from any other thread.
class FileCopyEngine : public QObject
{
    Q_OBJECT

public:
    enum Result
    {
        Done = 0,
        Cancelled = 1,
        SourceMissing = 2,
        TargetExists = 3,
        NotEnoughSpace = 4,
        Failed = 5,
        // The destination is the source itself under another path (a linked folder, a bind mount,
        // a hard link): nothing is done, whether overwriting is allowed or not.
        SameFile = 6
    };

    static constexpr int MaxTemporaryNames = 10000;

    explicit FileCopyEngine(Prompter &prompter, QObject *parent = nullptr);

    int copyFile(const QString &source, const QString &destination, qint64 bufferSize, bool overwrite);
    int moveFile(const QString &source, const QString &destination, qint64 bufferSize, bool overwrite);
    void cancel() { m_cancelled = true; }
    // Off, a failure is only answered (Failed), without its message.
    void setFailureMessagesShown(bool on) { m_failureMessagesShown = on; }

    // Progress and figuresChanged are shown at most once per interval (100 ms unless set); the state after
    // the last chunk is always shown.
    void setUpdateInterval(int milliseconds) { m_updateIntervalMs = milliseconds; }

    // Free bytes of the file system holding a folder; -1 when it cannot be asked.
    using FreeSpaceQuery = std::function<qint64(const QString &folder)>;
    void setFreeSpaceQuery(FreeSpaceQuery query) { m_freeSpace = std::move(query); }
    // Renames as on file systems with neither no-replace renames nor hard links (FAT, exFAT, some
    // FUSE file systems), whatever the destination's file system offers.
    void setPlainRenameOnly(bool on) { m_plainRenameOnly = on; }
    static qint64 freeSpaceOf(const QString &folder);
    // With this off a copied file is not flushed to disk on its own (a moved one always is): the
    // caller flushes the destination's file system once, with flushFileSystemOf, after many files.
    void setFlushEachCopy(bool on) { m_flushEachCopy = on; }
    // 0 once everything written to the file system holding a folder is on its disk, else the errno
    // of the failure, which may have been met in writing out data written earlier (an I/O error, a
    // stick pulled out).
    static int flushFileSystemOf(const QString &folder);

Q_SIGNALS:
    // What the bar shows: a percentage and a text.
    void progressChanged(int percent, const QString &text);
    // Time left, elapsed time and average rate, after each chunk while data remains.
    void figuresChanged(const QString &timeLeft, const QString &elapsed, const QString &rate);
    // A message about a failure is about to be shown. Emitted on the caller's thread, where a direct
    // connection can show the file it is about first.
    void aboutToAsk();

private:
    struct Preparation;
    struct Transfer;

    int prepare(const QString &source, const QString &destination, bool overwrite, Preparation &out);
    int copyThroughTemporary(const Preparation &job, qint64 bufferSize, bool overwrite, bool removeSource);
    int createTemporary(const Preparation &job, Transfer &transfer);
    // Gives a copy made without a name the destination's name once it is complete.
    int nameUnnamed(const Preparation &job, Transfer &transfer, bool overwrite);
    // Copies the source's bytes into the temporary file, showing progress; KeepGoing once all are in.
    int copyChunks(Transfer &transfer, qint64 total, qint64 bufferSize);
    // Makes the temporary file the destination and, for a move, removes the source.
    int complete(const Preparation &job, Transfer &transfer, bool overwrite, bool removeSource);
    // Whether the source (open, or else by its path) is still the file the job began with.
    static bool sourceUnchanged(int openSource, const Preparation &job);
    static void keepDatesAndPermissions(int target, const struct stat &source);
    int fail(int errorNumber, const QString &description);

    Prompter &m_prompter;
    FreeSpaceQuery m_freeSpace;
    bool m_plainRenameOnly = false;
    bool m_flushEachCopy = true;
    std::atomic<bool> m_cancelled = false;
    std::atomic<bool> m_failureMessagesShown = true;
    int m_updateIntervalMs = 100;
    QElapsedTimer m_clock;
};
