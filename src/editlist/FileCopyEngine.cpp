// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/FileCopyEngine.h"

#include "core/Rounding.h"
#include "editlist/ClockText.h"
#include "platform/FileDescriptor.h"
#include "platform/LogCategories.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"

#include <QCoreApplication>
#include <QLocale>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// The runtime's "Input past end of file": the source ended before its size was read.
constexpr int InputPastEndOfFile = 62;

// What prepare() and the copy's steps answer when the operation may go on.
constexpr int KeepGoing = -1;

// How much written data is left to the kernel's own timing before its writing out is started.
// Below the dirty-page limits a whole file would otherwise wait in memory for the flush at the
// end, and only then go to the disk: started every few megabytes, the disk writes while the
// copy goes on, and the flush has little left to do.
constexpr qint64 WritebackWindow = qint64(8) << 20;

// Reads until the buffer holds `size` bytes or the file ends; -1 on an error.
qint64 readFully(int fd, char *buffer, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, size_t(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

// Gives the file the destination's name. Without permission to overwrite, a destination that
// appeared meanwhile is not replaced: atomically where the file system can refuse a taken name
// (a no-replace rename, else a hard link), by a last look before a plain rename where it cannot
// (FAT, exFAT, some FUSE file systems).
int renameInto(const QByteArray &from, const QByteArray &to, bool overwrite, bool plainRenameOnly)
{
    if (overwrite)
        return ::rename(from.constData(), to.constData());
    if (!plainRenameOnly) {
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
            return 0;
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return -1;
        if (::link(from.constData(), to.constData()) == 0)
            return ::unlink(from.constData());
        if (errno == EEXIST)
            return -1;
    }
    struct stat taken = {};
    if (::lstat(to.constData(), &taken) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from.constData(), to.constData());
}

// The temporary file beside the destination: the destination's name with a number and ".tmp",
// or a short hidden name where that would pass the file system's limit on name length.
QByteArray temporaryName(const QByteArray &destination, int n)
{
    const qsizetype slash = destination.lastIndexOf('/');
    const QByteArray number = QByteArray::number(n);
    if (destination.size() - slash - 1 + number.size() + 4 <= NAME_MAX)
        return destination + number + ".tmp";
    return destination.left(slash + 1) + ".kestrove-" + number + ".tmp";
}

void syncFolder(const QByteArray &folder)
{
    FileDescriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

} // namespace

// One copy through its temporary file: the open files and, once a step failed, what to tell.
struct FileCopyEngine::Transfer
{
    FileDescriptor input;
    FileDescriptor target;
    QByteArray temporary;
    bool temporaryInPlace = true;
    // The copy has no name until it is complete.
    bool unnamed = false;
    // The bar shows this copy's progress, to be cleared at its end; a file copied in one chunk
    // never shows any.
    bool progressShown = false;
    int errorNumber = 0;
    QString errorDescription;

    int failed(int number, const QString &description)
    {
        errorNumber = number;
        errorDescription = description;
        return Failed;
    }
    // The failure of the system call just made.
    int failed()
    {
        const int number = errno;
        return failed(number, FileDescriptor::errorText(number));
    }
};

struct FileCopyEngine::Preparation
{
    QByteArray source;
    QByteArray destination;
    QByteArray destinationFolder;
    // The source as it was when the job began: its copy is made from that state.
    struct stat sourceInfo = {};
    qint64 size = 0;
    bool sameFileSystem = false;
};

FileCopyEngine::FileCopyEngine(Prompter &prompter, QObject *parent)
    : QObject(parent), m_prompter(prompter), m_freeSpace(&FileCopyEngine::freeSpaceOf)
{
}

qint64 FileCopyEngine::freeSpaceOf(const QString &folder)
{
    struct statvfs info = {};
    if (::statvfs(NativePath::toBytes(folder).constData(), &info) != 0)
        return -1;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

int FileCopyEngine::flushFileSystemOf(const QString &folder)
{
    const FileDescriptor dir(
        ::open(NativePath::toBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.valid() && ::syncfs(dir.get()) == 0 ? 0 : errno;
}

int FileCopyEngine::fail(int errorNumber, const QString &description)
{
    qCWarning(logFiles) << description << "code" << errorNumber;
    if (!m_failureMessagesShown)
        return Failed;
    Q_EMIT aboutToAsk();
    m_prompter.message(tr("%1 code : %2").arg(description, QString::number(errorNumber)),
                       QCoreApplication::applicationName(), Prompter::Buttons::Ok, Prompter::Icon::Critical);
    return Failed;
}

int FileCopyEngine::prepare(const QString &source, const QString &destination, bool overwrite,
                            Preparation &out)
{
    m_cancelled = false;
    m_clock.start();

    out.source = NativePath::toBytes(source);
    out.destination = NativePath::toBytes(destination);
    const qsizetype slash = destination.lastIndexOf(QLatin1Char('/'));
    out.destinationFolder = slash < 0    ? QByteArray(".")
                            : slash == 0 ? QByteArray("/")
                                         : NativePath::toBytes(destination.left(slash));

    // A missing source answers "source missing" rather than a file error: that is what the code
    // is for, and the caller decides what to tell the user.
    struct stat &sourceInfo = out.sourceInfo;
    if (::stat(out.source.constData(), &sourceInfo) != 0 || !S_ISREG(sourceInfo.st_mode))
        return SourceMissing;
    out.size = sourceInfo.st_size;

    struct stat folderInfo = {};
    if (::stat(out.destinationFolder.constData(), &folderInfo) != 0)
        return fail(errno, FileDescriptor::errorText(errno));
    out.sameFileSystem = folderInfo.st_dev == sourceInfo.st_dev;

    // The destination may be the source itself under another path: then there is nothing to
    // copy, nothing to ask about, and above all nothing may be truncated or deleted.
    struct stat existing = {};
    if (::stat(out.destination.constData(), &existing) == 0 && existing.st_dev == sourceInfo.st_dev &&
        existing.st_ino == sourceInfo.st_ino)
        return SameFile;

    const qint64 freeBytes = m_freeSpace(NativePath::fromBytes(out.destinationFolder));
    if (freeBytes < 0)
        return fail(errno, FileDescriptor::errorText(errno));
    if (out.size > freeBytes)
        return NotEnoughSpace;

    // With permission to overwrite, the old destination stays until the new file replaces it in
    // one rename: a failed copy never costs the user the file that was there.
    struct stat destinationInfo = {};
    if (::lstat(out.destination.constData(), &destinationInfo) == 0 && !overwrite)
        return TargetExists;
    return KeepGoing;
}

int FileCopyEngine::copyFile(const QString &source, const QString &destination, qint64 bufferSize,
                             bool overwrite)
{
    Preparation job;
    const int prepared = prepare(source, destination, overwrite, job);
    if (prepared != KeepGoing)
        return prepared;
    return copyThroughTemporary(job, bufferSize, overwrite, false);
}

int FileCopyEngine::moveFile(const QString &source, const QString &destination, qint64 bufferSize,
                             bool overwrite)
{
    Preparation job;
    const int prepared = prepare(source, destination, overwrite, job);
    if (prepared != KeepGoing)
        return prepared;
    if (!job.sameFileSystem)
        return copyThroughTemporary(job, bufferSize, overwrite, true);

    if (m_cancelled)
        return Cancelled;
    // A rename is over at once and shows no progress of its own, as a file copied in one chunk
    // shows none: a batch of them leaves the file's bar still instead of flashing it full.
    if (renameInto(job.source, job.destination, overwrite, m_plainRenameOnly) == 0)
        return Done;
    // Two mount points of one file system (a bind mount) do not rename into each other.
    if (errno == EXDEV)
        return copyThroughTemporary(job, bufferSize, overwrite, true);
    return errno == EEXIST ? TargetExists : Failed;
}

int FileCopyEngine::copyThroughTemporary(const Preparation &job, qint64 bufferSize, bool overwrite,
                                         bool removeSource)
{
    if (bufferSize <= 0)
        return fail(EINVAL, FileDescriptor::errorText(EINVAL));

    Transfer transfer;
    if (const int created = createTemporary(job, transfer); created != KeepGoing)
        return created;

    transfer.input.reset(::open(job.source.constData(), O_RDONLY | O_CLOEXEC));
    int result = KeepGoing;
    if (!transfer.input.valid()) {
        result = transfer.failed();
    } else {
        ::posix_fadvise(transfer.input.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
        result = copyChunks(transfer, job.size, bufferSize);
    }
    if (result == KeepGoing)
        result = complete(job, transfer, overwrite, removeSource);

    // Every way out removes the temporary file unless it became the destination.
    transfer.input.reset();
    transfer.target.reset();
    if (result == Failed) {
        if (transfer.temporaryInPlace)
            ::unlink(transfer.temporary.constData());
        fail(transfer.errorNumber, transfer.errorDescription);
        if (transfer.progressShown)
            Q_EMIT progressChanged(0, QString());
        return Failed;
    }
    if (transfer.progressShown)
        Q_EMIT progressChanged(0, QString());
    if (transfer.temporaryInPlace)
        ::unlink(transfer.temporary.constData());
    return result;
}

int FileCopyEngine::createTemporary(const Preparation &job, Transfer &transfer)
{
    // Where the file system allows, the copy has no name until it is complete, so that a copy
    // ended by SIGKILL or a power cut leaves nothing behind.
    transfer.target.reset(::open(job.destinationFolder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (transfer.target.valid()) {
        transfer.unnamed = true;
        transfer.temporaryInPlace = false;
        return KeepGoing;
    }
    // Elsewhere the temporary name is taken exclusively: a name that exists is never opened or
    // truncated.
    for (int n = 1; n <= MaxTemporaryNames && !transfer.target.valid(); ++n) {
        transfer.temporary = temporaryName(job.destination, n);
        transfer.target.reset(
            ::open(transfer.temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!transfer.target.valid() && errno != EEXIST)
            return fail(errno, FileDescriptor::errorText(errno));
    }
    if (!transfer.target.valid())
        return fail(EEXIST, FileDescriptor::errorText(EEXIST));
    return KeepGoing;
}

int FileCopyEngine::copyChunks(Transfer &transfer, qint64 total, qint64 bufferSize)
{
    std::unique_ptr<char[]> buffer;
    // The kernel copies between the files itself where it can, without the bytes passing through
    // the program; elsewhere (some file systems, across them on some kernels) they are read and
    // written through the buffer.
    bool inKernel = true;
    qint64 written = 0;
    qint64 writebackStarted = 0;
    qint64 remaining = total;
    qint64 rate = 0;

    // The newest figures not yet shown, so that the state after the last chunk is always shown.
    bool pending = false;
    int percent = 0;
    double elapsed = 0;
    double timeLeft = 0;
    QElapsedTimer sinceShown;
    bool shownOnce = false;
    auto show = [&] {
        Q_EMIT progressChanged(percent, QString());
        Q_EMIT figuresChanged(clockText(timeLeft), clockText(elapsed),
                              QLocale().formattedDataSize(rate, 2, QLocale::DataSizeTraditionalFormat));
        pending = false;
        sinceShown.start();
        shownOnce = true;
        transfer.progressShown = true;
    };

    while (remaining > 0) {
        const qint64 chunk = bufferSize <= remaining ? bufferSize : remaining;
        qint64 got = -1;
        if (inKernel) {
            got = ::copy_file_range(transfer.input.get(), nullptr, transfer.target.get(), nullptr,
                                    size_t(chunk), 0);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0 && written == 0 &&
                (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                inKernel = false;
                continue;
            }
            if (got < 0)
                return transfer.failed();
        } else {
            if (!buffer)
                buffer.reset(new char[size_t(bufferSize)]);
            got = readFully(transfer.input.get(), buffer.get(), chunk);
            if (got < 0)
                return transfer.failed();
            if (got > 0 && !FileDescriptor::writeAll(transfer.target.get(), buffer.get(), got))
                return transfer.failed();
        }
        // A source that shrank while it was copied would otherwise never reach its size.
        if (got == 0)
            return transfer.failed(InputPastEndOfFile, tr("Input past end of file"));
        written += got;
        remaining = total - written;
        if (written - writebackStarted >= WritebackWindow) {
            // Only starts the writing; it waits while the disk's queue is full, which slows the
            // copy to the disk's pace instead of filling memory.
            ::sync_file_range(transfer.target.get(), writebackStarted, written - writebackStarted,
                              SYNC_FILE_RANGE_WRITE);
            writebackStarted = written;
        }

        if (remaining > 0 && total > 0) {
            percent = 100 - int(100.0 * double(remaining) / double(total));
            elapsed = double(m_clock.nsecsElapsed()) / 1e9;
            timeLeft = double(remaining) / double(written) * elapsed;
            const long long wholeSeconds = Rounding::halfEven64(elapsed);
            if (written > 0 && wholeSeconds > 0)
                rate = Rounding::halfEven64(double(written) / double(wholeSeconds));
            pending = true;
            if (!shownOnce || sinceShown.elapsed() >= m_updateIntervalMs)
                show();
        }
        if (m_cancelled) {
            if (pending)
                show();
            return Cancelled;
        }
    }
    if (pending)
        show();
    return KeepGoing;
}

int FileCopyEngine::complete(const Preparation &job, Transfer &transfer, bool overwrite, bool removeSource)
{
    keepDatesAndPermissions(transfer.target.get(), job.sourceInfo);
    // The data is on disk before the name says the file is complete, and before a moved file's
    // source goes; a batch of copies is made durable once at its end instead (flushFileSystemOf).
    const bool flushNow = removeSource || m_flushEachCopy;
    if ((flushNow && ::fsync(transfer.target.get()) != 0) || (!transfer.unnamed && !transfer.target.close()))
        return transfer.failed();
    // A source written to or replaced while it was copied holds what the copy lacks: it stays, and
    // the copy of its old state does not take the destination's name.
    if (removeSource && !(sourceUnchanged(transfer.input.get(), job) && sourceUnchanged(-1, job)))
        return transfer.failed(EBUSY, tr("The file changed while it was being moved and stays where it was"));
    transfer.input.reset();
    int named = KeepGoing;
    if (transfer.unnamed)
        named = nameUnnamed(job, transfer, overwrite);
    else if (renameInto(transfer.temporary, job.destination, overwrite, m_plainRenameOnly) != 0)
        named = errno == EEXIST ? int(TargetExists) : transfer.failed();
    if (named != KeepGoing)
        return named;
    transfer.temporaryInPlace = false;
    if (flushNow)
        syncFolder(job.destinationFolder);

    // The source of a move goes only once its copy is complete and on disk, and only when it is
    // still the file that was copied; changed in the last moment, both stay.
    if (removeSource && !sourceUnchanged(-1, job))
        return transfer.failed(EBUSY, tr("The file changed while it was being moved and stays where it was"));
    if (removeSource && ::unlink(job.source.constData()) != 0)
        return transfer.failed();
    return Done;
}

int FileCopyEngine::nameUnnamed(const Preparation &job, Transfer &transfer, bool overwrite)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(transfer.target.get());
    const auto linkTo = [&](const QByteArray &name) {
        return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW);
    };
    if (!overwrite) {
        // The link itself refuses a name that is taken, however it came to be taken.
        if (linkTo(job.destination) != 0)
            return errno == EEXIST ? int(TargetExists) : transfer.failed();
        if (!transfer.target.close()) {
            const int result = transfer.failed();
            ::unlink(job.destination.constData());
            return result;
        }
        return KeepGoing;
    }
    // The old destination stays until the complete copy replaces it in one rename: the copy is
    // named beside it first, under a name nobody else holds.
    for (int n = 1; n <= MaxTemporaryNames; ++n) {
        transfer.temporary = temporaryName(job.destination, n);
        if (linkTo(transfer.temporary) == 0) {
            transfer.temporaryInPlace = true;
            if (!transfer.target.close())
                return transfer.failed();
            return renameInto(transfer.temporary, job.destination, true, m_plainRenameOnly) == 0
                       ? KeepGoing
                       : transfer.failed();
        }
        if (errno != EEXIST)
            return transfer.failed();
    }
    return transfer.failed(EEXIST, FileDescriptor::errorText(EEXIST));
}

bool FileCopyEngine::sourceUnchanged(int openSource, const Preparation &job)
{
    struct stat now = {};
    const int found = openSource >= 0 ? ::fstat(openSource, &now) : ::stat(job.source.constData(), &now);
    const struct stat &then = job.sourceInfo;
    return found == 0 && now.st_dev == then.st_dev && now.st_ino == then.st_ino &&
           now.st_size == then.st_size && now.st_mtim.tv_sec == then.st_mtim.tv_sec &&
           now.st_mtim.tv_nsec == then.st_mtim.tv_nsec;
}

void FileCopyEngine::keepDatesAndPermissions(int target, const struct stat &source)
{
    // As a file manager copies: the permission bits and the times of the source. A file system
    // that keeps neither (FAT) does not make the copy fail.
    if (::fchmod(target, source.st_mode & 0777) != 0)
        qCInfo(logFiles) << "the copy keeps its own permissions:" << FileDescriptor::errorText(errno);
    const timespec times[2] = {source.st_atim, source.st_mtim};
    if (::futimens(target, times) != 0)
        qCInfo(logFiles) << "the copy keeps its own times:" << FileDescriptor::errorText(errno);
}
