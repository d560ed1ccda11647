// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/DeleteJob.h"

#include "core/Paths.h"
#include "core/Rounding.h"
#include "core/VersionTitle.h"
#include "editlist/JobList.h"
#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "platform/Trash.h"

#include <cerrno>
#include <unistd.h>

using State = ListEntry::JobState;

DeleteJob::DeleteJob(JobList &entries, Services services, QObject *parent)
    : QObject(parent), m_entries(entries), m_services(std::move(services))
{
}

int DeleteJob::unlinkFile(const QString &path)
{
    return ::unlink(NativePath::toBytes(path).constData()) == 0 ? 0 : errno;
}

void DeleteJob::run()
{
    m_cancelRequested = false;
    m_selected = 0;
    for (int i = 0; i < m_entries.count(); ++i)
        m_selected += m_entries.isSelected(i) ? 1 : 0;
    // "No" deletes for good: the buttons say so.
    const Prompter::Answer where = m_services.prompter.message(
        tr("Send files to Recycle Bin ?"), ProgramTitle, Prompter::Buttons::YesNoCancel,
        Prompter::Icon::Question, {tr("Move to Trash"), tr("Delete Permanently"), tr("Cancel")});
    if (where != Prompter::Answer::Yes && where != Prompter::Answer::No)
        return;
    Q_EMIT started();
    for (int i = 0; i < m_entries.count(); ++i) {
        if (m_stopRequested) {
            skipFrom(i);
            return;
        }
        if (m_cancelRequested.exchange(false)) {
            if (m_services.prompter.message(tr("Cancel entire process ?"), ProgramTitle,
                                            Prompter::Buttons::OkCancel,
                                            Prompter::Icon::Exclamation) == Prompter::Answer::Ok) {
                skipFrom(i);
                return;
            }
        }
        if (!m_entries.isSelected(i))
            continue;
        if (handle(i, where == Prompter::Answer::Yes) == Next::Stop) {
            skipFrom(i);
            return;
        }
    }
}

DeleteJob::Next DeleteJob::handle(int index, bool toTrash)
{
    ++m_started;
    const QString path = m_entries.path(index);
    Q_EMIT counterChanged(tr("Removing file: %1 of %2.").arg(m_started).arg(m_selected));
    Q_EMIT fileChanged(tr("File : %1").arg(path));
    Q_EMIT progressChanged(int(Rounding::halfEven64(100.0 / m_selected * m_started)));
    if (!Paths::fileExists(path))
        return failed(index);
    if (const std::optional<TakenFile> taken = m_services.player.takeIfHolding(path))
        m_taken = *taken;
    const int result = toTrash ? m_services.trash.moveToTrash(path) : m_services.removeFile(path);
    if (result != 0)
        return failed(index, toTrash ? m_services.trash.lastFailure() : FileDescriptor::errorText(result));
    m_entries.setState(index, State::Processed);
    return Next::Continue;
}

DeleteJob::Next DeleteJob::failed(int index, const QString &reason)
{
    m_entries.setState(index, State::SkippedWithError);
    if (m_ignoreRest)
        return Next::Continue;
    const Prompter::Answer answer = m_services.prompter.message(
        tr("Unable to delete file \"%1\". Ignore rest ?").arg(m_entries.path(index)) +
            (reason.isEmpty() ? QString() : QLatin1String("\r\n\r\n") + reason),
        ProgramTitle, Prompter::Buttons::YesNoCancel, Prompter::Icon::Exclamation);
    if (answer == Prompter::Answer::Yes)
        m_ignoreRest = true;
    return answer == Prompter::Answer::Cancel ? Next::Stop : Next::Continue;
}

void DeleteJob::skipFrom(int index)
{
    for (int i = index; i < m_entries.count(); ++i) {
        if (m_entries.isSelected(i))
            m_entries.setState(i, State::Skipped);
    }
}
