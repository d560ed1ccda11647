// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editlist/CopyMoveJob.h"
#include "editlist/EditListEntries.h"
#include "editlist/PlayingFile.h"
#include "editlist/QueuedJobList.h"
#include "platform/WindowThreadPrompter.h"

#include <QFutureWatcher>
#include <QObject>
#include <memory>

class DeleteJob;
class FileCopyEngine;
class JobDialog;
class Trash;

// A copy, move or delete job of the EditList window's selected entries, run on a worker thread
// with its window showing the progress: the job's questions are asked on the window's thread and
// what it did with each entry is shown there as it goes. The list must stay as it is until the job
// has ended.
class EditListJob : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        EntryListModel &list;
        const QItemSelectionModel &selection;
        Prompter &prompter;
        Trash &trash;
        PlayingFile player;
    };

    static std::unique_ptr<EditListJob> copyOrMove(CopyMoveJob::Kind kind, qint64 bufferSize,
                                                   const Services &services, QWidget *window);
    static std::unique_ptr<EditListJob> deletion(const Services &services, QWidget *window);
    // Stops the job if it still runs and waits for its worker.
    ~EditListJob() override;

    // Ends the job at the file under way without a question: the session ends.
    void stop();
    // What the job took away from the player; read once it has ended.
    const TakenFile &takenFile() const { return m_taken; }

Q_SIGNALS:
    // The job's worker has ended and its window is hidden; every entry shows what happened to it.
    void ended();

private:
    EditListJob(const Services &services);
    void start(std::function<TakenFile()> work);

    EditListEntries m_windowEntries;
    QueuedJobList m_entries;
    WindowThreadPrompter m_prompter;
    PlayingFile m_player;
    std::unique_ptr<FileCopyEngine> m_engine;
    std::unique_ptr<CopyMoveJob> m_copyJob;
    std::unique_ptr<DeleteJob> m_deleteJob;
    std::unique_ptr<JobDialog> m_dialog;
    QFutureWatcher<TakenFile> m_worker;
    TakenFile m_taken;
};
