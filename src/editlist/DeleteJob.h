// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/PlayingFile.h"

#include <QObject>
#include <atomic>
#include <functional>

class JobList;
class Prompter;
class Trash;

// Deletes the selected entries of a list, to the trash or for good as the user answers first,
// one file after another, asking whether to go on when one cannot be deleted. It runs on whichever
// thread calls run(); cancel() and stop() may be called from any other.
class DeleteJob : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        Prompter &prompter;
        Trash &trash;
        // Deletes a file for good; 0 on success, else the error number.
        std::function<int(const QString &path)> removeFile;
        PlayingFile player;
    };

    DeleteJob(JobList &entries, Services services, QObject *parent = nullptr);

    // Runs the whole job; returns when its window is to close.
    void run();
    // Noticed before the next file.
    void cancel() { m_cancelRequested = true; }
    // Ends the job before the next file without a question: the session ends.
    void stop() { m_stopRequested = true; }

    const TakenFile &takenFile() const { return m_taken; }

    // Deletes a file for good with unlink(2); 0 or the error number.
    static int unlinkFile(const QString &path);

Q_SIGNALS:
    void started();
    void counterChanged(const QString &text);
    void fileChanged(const QString &text);
    void progressChanged(int percent);

private:
    enum class Next
    {
        Continue,
        Stop
    };

    Next handle(int index, bool toTrash);
    // reason: why, in the system's words; empty when not known.
    Next failed(int index, const QString &reason = {});
    void skipFrom(int index);

    JobList &m_entries;
    Services m_services;
    TakenFile m_taken;
    bool m_ignoreRest = false;
    std::atomic<bool> m_cancelRequested = false;
    std::atomic<bool> m_stopRequested = false;
    int m_selected = 0;
    int m_started = 0;
};
