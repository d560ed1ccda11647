// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/EditListJob.h"

#include "core/Paths.h"
#include "editlist/CopyJobDialog.h"
#include "editlist/DeleteJob.h"
#include "editlist/DeleteJobDialog.h"
#include "editlist/FileCopyEngine.h"

#include <QStorageInfo>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// The mounted volume a folder is on ("/media/usb/"), for the message about free space.
QString volumeOf(const QString &folder)
{
    const QStorageInfo volume(folder);
    return volume.isValid() ? Paths::withSeparator(volume.rootPath()) : folder;
}

} // namespace

EditListJob::EditListJob(const Services &services)
    : m_windowEntries(services.list, services.selection), m_entries(m_windowEntries),
      m_prompter(services.prompter), m_player(services.player.calledOnThreadOf(this))
{
    connect(&m_worker, &QFutureWatcher<TakenFile>::finished, this, [this] {
        m_taken = m_worker.result();
        m_dialog->setJobRunning(false);
        Q_EMIT ended();
    });
}

EditListJob::~EditListJob()
{
    stop();
    m_worker.waitForFinished();
}

std::unique_ptr<EditListJob> EditListJob::copyOrMove(CopyMoveJob::Kind kind, qint64 bufferSize,
                                                     const Services &services, QWidget *window)
{
    std::unique_ptr<EditListJob> job(new EditListJob(services));
    auto *engine = new FileCopyEngine(job->m_prompter);
    job->m_engine.reset(engine);
    // A batch is made durable once, at its end.
    engine->setFlushEachCopy(false);
    const bool move = kind == CopyMoveJob::Kind::Move;
    job->m_copyJob = std::make_unique<CopyMoveJob>(
        kind, job->m_entries,
        CopyMoveJob::Services{
            job->m_prompter,
            [engine, move](const QString &source, const QString &target, qint64 buffer, bool overwrite) {
                return move ? engine->moveFile(source, target, buffer, overwrite)
                            : engine->copyFile(source, target, buffer, overwrite);
            },
            [engine] { engine->cancel(); }, &FileCopyEngine::flushFileSystemOf, &volumeOf, job->m_player});
    // Takes effect before the job's next file, on the job's own thread.
    connect(job->m_copyJob.get(), &CopyMoveJob::failureMessagesWanted, engine,
            &FileCopyEngine::setFailureMessagesShown, Qt::DirectConnection);
    connect(engine, &FileCopyEngine::aboutToAsk, job->m_copyJob.get(), &CopyMoveJob::showCurrentFile,
            Qt::DirectConnection);
    job->m_dialog = std::make_unique<CopyJobDialog>(*job->m_copyJob, *engine, kind, window);
    CopyMoveJob *copy = job->m_copyJob.get();
    job->start([copy, bufferSize] {
        copy->run(bufferSize);
        return copy->takenFile();
    });
    return job;
}

std::unique_ptr<EditListJob> EditListJob::deletion(const Services &services, QWidget *window)
{
    std::unique_ptr<EditListJob> job(new EditListJob(services));
    job->m_deleteJob = std::make_unique<DeleteJob>(
        job->m_entries,
        DeleteJob::Services{job->m_prompter, services.trash, &DeleteJob::unlinkFile, job->m_player});
    job->m_dialog = std::make_unique<DeleteJobDialog>(*job->m_deleteJob, window);
    DeleteJob *deletion = job->m_deleteJob.get();
    job->start([deletion] {
        deletion->run();
        return deletion->takenFile();
    });
    return job;
}

void EditListJob::start(std::function<TakenFile()> work)
{
    m_dialog->setJobRunning(true);
    m_worker.setFuture(QtConcurrent::run(std::move(work)));
}

void EditListJob::stop()
{
    if (m_copyJob)
        m_copyJob->stop();
    if (m_deleteJob)
        m_deleteJob->stop();
}
