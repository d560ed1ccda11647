// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderLister.h"

#include "core/FilePattern.h"
#include "core/FolderReadAhead.h"
#include "core/OffThread.h"
#include "core/Paths.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrentRun>

using Paths::withoutSeparator;

FolderLister::FolderLister(RowsSource rows, MarksSource marks, QObject *parent)
    : QObject(parent), m_rows(std::move(rows)), m_marks(std::move(marks)),
      m_stop(std::make_shared<std::atomic<bool>>(false))
{
    m_gather.setSingleShot(true);
    m_gather.setInterval(GatherMs);
    connect(&m_gather, &QTimer::timeout, this, &FolderLister::readAgain);
    connect(&m_watcher, &ThreadedWatcher::directoryChanged, this, &FolderLister::directoryChanged);
    connect(&m_watcher, &ThreadedWatcher::watched, this, &FolderLister::watched);
}

FolderLister::~FolderLister()
{
    m_stop->store(true);
}

void FolderLister::list(const QString &folder, const FilePattern &pattern, FolderReadAhead *early, Read read)
{
    stop();
    m_folder = folder;
    m_patternText = pattern.text();
    m_listing = true;
    const Marks marks = m_marks ? m_marks() : Marks();
    std::optional<FolderReader::Contents> now = early ? early->take(folder, pattern) : std::nullopt;
    if (!now && read == Read::AtOnce)
        now = FolderReader::read(folder, pattern);
    if (now) {
        startWatching();
        m_onceWatched = OnceWatched::ReadAgain;
        FolderBatch batch = FolderBatch::whole(*now);
        if (marks)
            batch.marked = marks(folder, batch.files.names);
        Q_EMIT arrived(batch);
        m_listing = false;
        Q_EMIT listed(batch.opened);
        return;
    }
    m_marksForRead = marks;
    startWatching();
    m_onceWatched = OnceWatched::Read;
}

void FolderLister::watched(quint64 generation, const QStringList &refused)
{
    if (generation != m_generation)
        return;
    // A folder that cannot be watched is listed all the same; it is read again on request only.
    if (refused.contains(withoutSeparator(m_folder)))
        m_watching = false;
    switch (std::exchange(m_onceWatched, OnceWatched::Nothing)) {
    case OnceWatched::Read:
        startReading();
        break;
    case OnceWatched::ReadAgain:
        readAgain();
        break;
    case OnceWatched::Nothing:
        break;
    }
}

void FolderLister::startReading()
{
    const quint64 generation = m_generation;
    m_reading = true;
    // The watcher belongs to this lister: once the lister is gone, nothing the read hands over is
    // taken up, however late it comes.
    auto *batches = new QFutureWatcher<FolderBatch>(this);
    connect(batches, &QFutureWatcherBase::resultReadyAt, this, [this, batches, generation](int index) {
        if (generation != m_generation)
            return;
        const FolderBatch batch = batches->resultAt(index);
        Q_EMIT arrived(batch);
        if (!batch.last || generation != m_generation)
            return;
        m_reading = false;
        m_listing = false;
        Q_EMIT listed(batch.opened);
        if (std::exchange(m_readAgain, false))
            m_gather.start();
    });
    connect(batches, &QFutureWatcherBase::finished, batches, &QObject::deleteLater);
    batches->setFuture(
        QtConcurrent::run([folder = m_folder, text = m_patternText, stop = m_stop,
                           marks = std::exchange(m_marksForRead, {})](QPromise<FolderBatch> &promise) {
            // The pattern is made here, so that nothing it matches with is shared between threads.
            FolderReader::stream(folder, FilePattern(text), stop.get(), [&](FolderBatch batch) {
                if (marks)
                    batch.marked = marks(folder, batch.files.names);
                promise.addResult(std::move(batch));
            });
        }));
}

void FolderLister::stop()
{
    ++m_generation;
    m_stop->store(true);
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_gather.stop();
    m_watcher.clear();
    m_watching = false;
    m_onceWatched = OnceWatched::Nothing;
    m_marksForRead = {};
    m_folder.clear();
    m_listing = false;
    m_reading = false;
    m_readAgain = false;
}

void FolderLister::followAgain()
{
    if (!m_folder.isEmpty() && !m_listing && !m_gather.isActive())
        m_gather.start();
}

bool FolderLister::isFollowing(const QString &folder) const
{
    return !m_listing && !m_folder.isEmpty() && folder == m_folder && m_watching;
}

void FolderLister::startWatching()
{
    // A folder that cannot be watched (out of inotify watches, a file system without change
    // notices) is listed all the same; it is read again on request only. Its parent is watched
    // too: the folder renamed away tells nothing itself, nor does it when removed while a file
    // in it is still open (the player's).
    QStringList paths{withoutSeparator(m_folder)};
    if (const QString parent = Paths::parentFolder(m_folder); !parent.isEmpty())
        paths.append(withoutSeparator(parent));
    m_watcher.watch(paths, m_generation);
    // Taken as watched until the watcher says otherwise: what it may miss meanwhile is read once
    // it watches.
    m_watching = true;
}

void FolderLister::directoryChanged(const QString &path)
{
    if (m_folder.isEmpty())
        return;
    if (!Paths::folderExists(m_folder)) {
        gone();
        return;
    }
    // A change in the parent matters only when it took the folder away.
    if (path != withoutSeparator(m_folder))
        return;
    if (!m_gather.isActive())
        m_gather.start();
}

void FolderLister::gone()
{
    const QString folder = m_folder;
    stop();
    Q_EMIT vanished(folder);
}

void FolderLister::readAgain()
{
    if (m_reading || m_listing) {
        m_readAgain = true;
        return;
    }
    m_reading = true;
    const quint64 generation = m_generation;
    Rows rows = m_rows();
    const quint64 revision = rows.revision;
    OffThread::run(
        this,
        [folder = m_folder, text = m_patternText, stop = m_stop, rows = std::move(rows)] {
            const FolderReader::Contents now = FolderReader::read(folder, FilePattern(text), stop.get());
            return now.opened ? std::optional(FolderChange::between(rows.texts, rows.kinds, now))
                              : std::nullopt;
        },
        [this, generation, revision](const std::optional<FolderChange> &change) {
            if (generation != m_generation)
                return;
            m_reading = false;
            if (!change) {
                // The folder could not be read again: gone, or no longer readable.
                if (!Paths::folderExists(m_folder))
                    gone();
                return;
            }
            if (!change->isEmpty())
                Q_EMIT changed(*change, revision);
            if (std::exchange(m_readAgain, false))
                m_gather.start();
        });
}
