// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/CopyMoveJob.h"

#include "core/Paths.h"
#include "core/ProgressInterval.h"
#include "core/Rounding.h"
#include "core/VersionTitle.h"
#include "editlist/FileCopyEngine.h"
#include "editlist/JobList.h"
#include "platform/FileDescriptor.h"
#include "platform/LogCategories.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"

#include <QElapsedTimer>
#include <cerrno>
#include <new>
#include <unistd.h>
#include <utility>

using State = ListEntry::JobState;

namespace {

// A file this large takes long enough to copy for its name to be read.
constexpr qint64 ShowEveryFileFrom = qint64(1) << 20;

} // namespace

CopyMoveJob::CopyMoveJob(Kind kind, JobList &entries, Services services, QObject *parent)
    : QObject(parent), m_kind(kind), m_entries(entries), m_services(std::move(services))
{
}

QString CopyMoveJob::caption(Kind kind, const QString &title)
{
    return (kind == Kind::Copy ? tr("%1 - Copying...") : tr("%1 - Moving...")).arg(title);
}

QString CopyMoveJob::folderTitle() const
{
    return m_kind == Kind::Copy ? tr("Copy to : ") : tr("Move to : ");
}

void CopyMoveJob::cancel()
{
    m_cancelRequested = true;
    if (m_services.cancelOperation)
        m_services.cancelOperation();
}

void CopyMoveJob::stop()
{
    m_stopRequested = true;
    cancel();
}

bool CopyMoveJob::writable(const QString &destination)
{
    // A folder nothing can be written to (a read-only file system, no permission) fails every
    // file alike: said once, and every selected entry shows as failed.
    if (!Paths::folderExists(destination) ||
        ::access(NativePath::toBytes(destination).constData(), W_OK) == 0)
        return true;
    const int error = errno;
    m_services.prompter.message(
        tr("Nothing can be written to \"%1\": %2.")
            .arg(NativePath::forDisplay(destination), FileDescriptor::errorText(error)),
        ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Critical);
    for (int i = 0; i < m_entries.count(); ++i) {
        if (m_entries.isSelected(i))
            m_entries.setState(i, State::SkippedWithError);
    }
    return false;
}

CopyMoveJob::Scan CopyMoveJob::scan(const QString &destination) const
{
    // A missing file is counted and passed over by both jobs: one file gone from a removable
    // drive must not stop the others from being copied.
    Scan found;
    found.present.resize(size_t(m_entries.count()));
    for (int i = 0; i < m_entries.count(); ++i) {
        if (!m_entries.isSelected(i))
            continue;
        const QString path = m_entries.path(i);
        const qint64 size = Paths::fileSize(path);
        if (size < 0) {
            ++found.missing;
            continue;
        }
        found.present[size_t(i)] = true;
        ++found.selected;
        found.totalBytes += double(size);
        if (m_kind == Kind::Move && Paths::folderOf(path) == destination)
            ++found.inDestination;
    }
    return found;
}

bool CopyMoveJob::warnAbout(const Scan &found)
{
    Prompter &prompter = m_services.prompter;
    if (found.missing > 0 &&
        prompter.message(
            tr("%n file(s) from the list does not exist at the time beeing. It could be because they "
               "exist on a removeable drive.",
               nullptr, found.missing) +
                QLatin1String("\r\n") + tr("These file(s) will be skipped !", nullptr, found.missing),
            ProgramTitle, Prompter::Buttons::OkCancel, Prompter::Icon::Exclamation) != Prompter::Answer::Ok)
        return false;
    return found.inDestination == 0 ||
           prompter.message(tr("%n file(s) comes from the choosen path. These file(s) will be skipped.",
                               nullptr, found.inDestination),
                            ProgramTitle, Prompter::Buttons::OkCancel,
                            Prompter::Icon::Exclamation) == Prompter::Answer::Ok;
}

bool CopyMoveJob::confirm(int selected, const QString &destination)
{
    const QString text = (m_kind == Kind::Copy ? tr("Copy (%n) files to \"%1\" ?", nullptr, selected)
                                               : tr("Move (%n) files to \"%1\" ?", nullptr, selected))
                             .arg(destination);
    return m_services.prompter.message(text, ProgramTitle, Prompter::Buttons::OkCancel,
                                       Prompter::Icon::Exclamation) == Prompter::Answer::Ok;
}

void CopyMoveJob::run(qint64 bufferSize)
{
    Q_EMIT bufferSizeShown(tr("Buffersize : %1").arg(bufferSize));
    try {
        const std::optional<QString> chosen =
            m_services.prompter.chooseFile(Prompter::FileDialog::Folder, folderTitle(), {});
        if (!chosen || chosen->isEmpty())
            return;
        const QString destination = Paths::withSeparator(*chosen);
        if (!writable(destination))
            return;
        const Scan found = scan(destination);
        if (!warnAbout(found))
            return;
        Q_EMIT started();
        if (Paths::folderExists(destination) && confirm(found.selected, destination)) {
            runEntries(destination, found, bufferSize);
            // An ending session does not wait for the disk: the files written are whole, and the
            // system writes them out by itself.
            if (!m_stopRequested)
                flush(destination);
        }
        Q_EMIT failureMessagesWanted(true);
        Q_EMIT barsCleared();
    } catch (const std::bad_alloc &) {
        m_services.prompter.message(m_kind == Kind::Copy
                                        ? tr("ERROR! Copying files caused an internal error !")
                                        : tr("ERROR! Moving files caused an internal error !"),
                                    ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Critical);
    }
}

void CopyMoveJob::flush(const QString &destination)
{
    if (!m_services.flushFolder)
        return;
    const int error = m_services.flushFolder(destination);
    // The entries were marked as each file was written; this is the only word that they may not
    // all have reached the disk.
    if (error != 0)
        m_services.prompter.message(
            tr("The files in \"%1\" may not all be on the disk: %2 code : %3")
                .arg(destination, FileDescriptor::errorText(error), QString::number(error)),
            ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Critical);
}

void CopyMoveJob::runEntries(const QString &destination, const Scan &found, qint64 bufferSize)
{
    int started = 0;
    double doneBytes = 0;
    int shownPercent = -1;
    QElapsedTimer sinceShown;
    sinceShown.start();
    for (int i = 0; i < m_entries.count(); ++i) {
        if (m_stopRequested) {
            skipFrom(i);
            return;
        }
        if (!m_entries.isSelected(i))
            continue;
        const QString path = m_entries.path(i);
        // Missing from the start, or already where a move would put it: passed over.
        const qint64 size = Paths::fileSize(path);
        if (size < 0 && found.present[size_t(i)])
            vanished(i);
        if (size < 0 || (m_kind == Kind::Move && Paths::folderOf(path) == destination))
            continue;
        ++started;
        const QString target = destination + Paths::fileNameOf(path);
        m_current = {started, found.selected, path, target};
        // Files copied faster than anyone reads their names are shown a few times a second; one
        // that takes a while, the first and the last always.
        if (started == 1 || started == found.selected || size >= ShowEveryFileFrom ||
            sinceShown.elapsed() >= ProgressIntervalMs) {
            showCurrentFile();
            sinceShown.restart();
        }
        doneBytes += double(size);
        if (const std::optional<TakenFile> taken = m_services.player.takeIfHolding(path, target))
            m_taken = *taken;

        // A cancel between two files counts for the next one rather than being lost.
        const int result = m_cancelRequested.exchange(false)
                               ? int(FileCopyEngine::Cancelled)
                               : m_services.operation(path, target, bufferSize, m_overwriteAll);
        // A cancel the operation honoured is used up; one that came after its last chunk counts
        // for the next file.
        if (result == FileCopyEngine::Cancelled)
            m_cancelRequested = false;
        if (dispatch(i, target, bufferSize, result) == Next::Stop)
            return;
        if (found.totalBytes > 0 && doneBytes > 0) {
            const int percent = int(Rounding::halfEven64(100.0 / found.totalBytes * doneBytes));
            if (percent != std::exchange(shownPercent, percent))
                Q_EMIT overallProgressChanged(percent);
        }
    }
    summarize();
}

void CopyMoveJob::showCurrentFile()
{
    if (m_current.started == std::exchange(m_shownStarted, m_current.started))
        return;
    const int selected = m_current.selected;
    Q_EMIT counterChanged((m_kind == Kind::Copy ? tr("Copying file: %1 of %n file(s).", nullptr, selected)
                                                : tr("Moving file: %1 of %n file(s).", nullptr, selected))
                              .arg(m_current.started));
    Q_EMIT fileChanged(tr("From : %1").arg(m_current.path), tr("To : %1").arg(m_current.target));
}

void CopyMoveJob::summarize()
{
    // Failures passed over without a question each are counted once at the end.
    if (m_failed == 0)
        return;
    QString text = m_kind == Kind::Copy ? tr("%n file(s) could not be copied.", nullptr, m_failed)
                                        : tr("%n file(s) could not be moved.", nullptr, m_failed);
    if (m_vanished > 0)
        text +=
            QLatin1String("\r\n") +
            tr("%n of them had gone from where the list says before their turn came.", nullptr, m_vanished);
    m_services.prompter.message(text, ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
}

void CopyMoveJob::vanished(int index)
{
    qCWarning(logFiles).noquote() << "gone before its turn in the job:" << m_entries.path(index);
    m_entries.setState(index, State::SkippedWithError);
    ++m_failed;
    ++m_vanished;
}

void CopyMoveJob::sameFile(int index, const QString &target)
{
    m_entries.setState(index, State::Skipped);
    m_services.prompter.message(
        tr("\"%1\" and \"%2\" are the same file. It is skipped.")
            .arg(NativePath::forDisplay(m_entries.path(index)), NativePath::forDisplay(target)),
        ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
}

CopyMoveJob::Next CopyMoveJob::dispatch(int index, const QString &target, qint64 bufferSize, int result)
{
    // Every result but success may ask about the file: the window shows it first.
    if (result != FileCopyEngine::Done)
        showCurrentFile();
    Prompter &prompter = m_services.prompter;
    switch (result) {
    case FileCopyEngine::Done:
        m_entries.setState(index, State::Processed);
        if (m_kind == Kind::Move)
            m_entries.setPath(index, target);
        return Next::Continue;
    case FileCopyEngine::Cancelled:
        if (m_kind == Kind::Copy)
            m_entries.setState(index, State::Skipped);
        if (m_stopRequested) {
            skipFrom(index);
            return Next::Stop;
        }
        if (prompter.message(tr("Cancel entire process ?"), ProgramTitle, Prompter::Buttons::YesNo,
                             Prompter::Icon::Question) == Prompter::Answer::Yes) {
            skipFrom(index);
            return Next::Stop;
        }
        return Next::Continue;
    case FileCopyEngine::SourceMissing:
        vanished(index);
        return Next::Continue;
    case FileCopyEngine::SameFile:
        sameFile(index, target);
        return Next::Continue;
    case FileCopyEngine::TargetExists:
        return askAboutExisting(index, target, bufferSize);
    case FileCopyEngine::NotEnoughSpace:
        prompter.message(tr("There is not enough free space on drive %1 !")
                             .arg(m_services.volumeOf ? m_services.volumeOf(Paths::folderOf(target))
                                                      : Paths::folderOf(target)),
                         ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Critical);
        m_entries.setState(index, State::SkippedWithError);
        return Next::Stop;
    default:
        return askAboutFailure(index);
    }
}

CopyMoveJob::Next CopyMoveJob::askAboutExisting(int index, const QString &target, qint64 bufferSize)
{
    Prompter &prompter = m_services.prompter;
    // The question names the file that would be replaced: the one at the destination.
    const Prompter::Answer overwrite =
        prompter.message(tr("File \"%1\" allready exist!").arg(target) + QLatin1String("\r\n") +
                             tr("Do you want to overwrite it ?"),
                         ProgramTitle, Prompter::Buttons::YesNoCancel, Prompter::Icon::Exclamation);
    if (overwrite == Prompter::Answer::No) {
        m_entries.setState(index, State::Skipped);
        return Next::Continue;
    }
    if (overwrite != Prompter::Answer::Yes) {
        skipFrom(index);
        return Next::Stop;
    }
    const Prompter::Answer all = prompter.message(tr("Overwrite all these files ?"), ProgramTitle,
                                                  Prompter::Buttons::YesNoCancel, Prompter::Icon::Question);
    if (all == Prompter::Answer::Cancel)
        return Next::Stop;
    if (all == Prompter::Answer::Yes)
        m_overwriteAll = true;
    const int again = m_services.operation(m_entries.path(index), target, bufferSize, true);
    // Asked once per file: a target still in the way after permission to replace it is a failure.
    return dispatch(index, target, bufferSize,
                    again == FileCopyEngine::TargetExists ? int(FileCopyEngine::Failed) : again);
}

CopyMoveJob::Next CopyMoveJob::askAboutFailure(int index)
{
    // A failed entry shows as failed whatever the job does next.
    m_entries.setState(index, State::SkippedWithError);
    ++m_failed;
    if (m_ignoreErrors)
        return Next::Continue;
    Prompter &prompter = m_services.prompter;
    if (prompter.message(tr("Unable to copy file \"%1\" continue anyway ?").arg(m_entries.path(index)),
                         ProgramTitle, Prompter::Buttons::OkCancel,
                         Prompter::Icon::Exclamation) != Prompter::Answer::Ok)
        return Next::Stop;
    const Prompter::Answer further = prompter.message(
        m_kind == Kind::Copy ? tr("Ignore further disk errors ?") : tr("Skip all files like these ?"),
        ProgramTitle, Prompter::Buttons::YesNoCancel, Prompter::Icon::Question);
    if (further == Prompter::Answer::Cancel)
        return Next::Stop;
    if (further == Prompter::Answer::Yes) {
        m_ignoreErrors = true;
        Q_EMIT failureMessagesWanted(false);
    }
    return Next::Continue;
}

void CopyMoveJob::skipFrom(int index)
{
    for (int i = index; i < m_entries.count(); ++i) {
        if (m_entries.isSelected(i))
            m_entries.setState(i, State::Skipped);
    }
}
