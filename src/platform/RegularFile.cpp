// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegularFile.h"

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

namespace {

Contents refused(const QString &problem)
{
    Contents contents;
    contents.status = Contents::Status::Refused;
    contents.problem = problem;
    return contents;
}

Contents tooLarge(qint64 maxBytes)
{
    return refused(
        QCoreApplication::translate("RegularFile", "it is larger than %1 MB").arg(maxBytes / (1024 * 1024)));
}

} // namespace

Contents read(const QString &path, qint64 maxBytes)
{
    const FileDescriptor file(
        ::open(NativePath::toBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return errno == ENOENT ? Contents() : refused(FileDescriptor::errorText(errno));
    struct stat info = {};
    if (::fstat(file.get(), &info) != 0)
        return refused(FileDescriptor::errorText(errno));
    if (!S_ISREG(info.st_mode))
        return refused(QCoreApplication::translate("RegularFile", "it is not a regular file"));
    if (info.st_size > maxBytes)
        return tooLarge(maxBytes);
    // Read to its end rather than to the size it had: a file that grows meanwhile is still capped.
    QByteArray bytes;
    bytes.resize(qsizetype(info.st_size));
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size())
            bytes.resize(done + 65536);
        const ssize_t got = ::read(file.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return refused(FileDescriptor::errorText(errno));
        if (got == 0)
            break;
        done += got;
        if (done > maxBytes)
            return tooLarge(maxBytes);
    }
    bytes.truncate(done);
    Contents contents;
    contents.status = Contents::Status::Read;
    contents.bytes = std::move(bytes);
    return contents;
}

} // namespace RegularFile
