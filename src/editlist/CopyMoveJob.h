// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/PlayingFile.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <vector>

class JobList;
class Prompter;

// Copies or moves the selected entries of a list into one folder, one file after another: asks for
// the folder and a confirmation, asks about existing files and failures, and marks what happened
// to each entry. The files themselves are handled by the operation it is given (the copy engine).
// It runs on whichever thread calls run(); cancel() and stop() may be called from any other.
class CopyMoveJob : public QObject
{
    Q_OBJECT

public:
    enum class Kind
    {
        Copy,
        Move
    };

    struct Services
    {
        Prompter &prompter;
        // Copies or moves one file: source, target, buffer size, permission to overwrite; answers
        // with one of the copy engine's results.
        std::function<int(const QString &, const QString &, qint64, bool)> operation;
        // Stops the operation under way at its next chunk.
        std::function<void()> cancelOperation;
        // Makes everything written into a folder durable, once at the end of the job; answers 0, or
        // the errno of the failure.
        std::function<int(const QString &folder)> flushFolder;
        // The mounted volume a folder is on, for the message about free space.
        std::function<QString(const QString &folder)> volumeOf;
        PlayingFile player;
    };

    CopyMoveJob(Kind kind, JobList &entries, Services services, QObject *parent = nullptr);

    // Runs the whole job; returns when its window is to close.
    void run(qint64 bufferSize);
    // Honoured inside the file being copied, or before the next one starts.
    void cancel();
    // Ends the job at the file being copied without a question: the session ends.
    void stop();

    // What the job took away from the player, if anything.
    const TakenFile &takenFile() const { return m_taken; }
    // Shows the file under way if it has not been shown yet: files passed quickly are shown only
    // a few times a second, but a question about one is asked beside it. Called on the job's
    // thread, before a question is asked there.
    void showCurrentFile();

    // The job window's caption: the program's title with what the job does.
    static QString caption(Kind kind, const QString &title);

Q_SIGNALS:
    void bufferSizeShown(const QString &text);
    // The folder is chosen and the job is about to ask for confirmation: the window is shown.
    void started();
    void counterChanged(const QString &text);
    void fileChanged(const QString &from, const QString &to);
    void overallProgressChanged(int percent);
    // Both bars back to zero.
    void barsCleared();
    // Whether the file operation is to show its own message about a failure: not once the user
    // chose to ignore further errors. Emitted on the job's thread, before the next file.
    void failureMessagesWanted(bool wanted);

private:
    enum class Next
    {
        Continue,
        Stop
    };
    // The file under way, shown or not.
    struct Current
    {
        int started = 0;
        int selected = 0;
        QString path;
        QString target;
    };
    struct Scan
    {
        int selected = 0;
        int missing = 0;
        int inDestination = 0;
        double totalBytes = 0;
        // Per entry, whether its file was there at the scan: one missing then has been warned
        // about, one gone since then has failed.
        std::vector<bool> present;
    };

    // False, having said why and marked the selected entries failed, when nothing can be written
    // into the folder.
    bool writable(const QString &destination);
    Scan scan(const QString &destination) const;
    bool warnAbout(const Scan &found);
    bool confirm(int selected, const QString &destination);
    void runEntries(const QString &destination, const Scan &found, qint64 bufferSize);
    void flush(const QString &destination);
    Next dispatch(int index, const QString &target, qint64 bufferSize, int result);
    Next askAboutExisting(int index, const QString &target, qint64 bufferSize);
    Next askAboutFailure(int index);
    // A file that was there when the job began and has gone since (its folder renamed or removed
    // meanwhile) failed, and is counted for the closing summary.
    void vanished(int index);
    void sameFile(int index, const QString &target);
    void summarize();
    void skipFrom(int index);
    QString folderTitle() const;

    const Kind m_kind;
    JobList &m_entries;
    Services m_services;
    TakenFile m_taken;
    Current m_current;
    // The started count of the file the window shows.
    int m_shownStarted = 0;
    int m_failed = 0;
    int m_vanished = 0;
    bool m_overwriteAll = false;
    bool m_ignoreErrors = false;
    std::atomic<bool> m_cancelRequested = false;
    std::atomic<bool> m_stopRequested = false;
};
