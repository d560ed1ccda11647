// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDescriptor.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

bool FileDescriptor::writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool FileDescriptor::close()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd < 0 || ::close(fd) == 0;
}

QString FileDescriptor::openForReading(const QByteArray &path)
{
    // Not blocking, so that a FIFO named like a media file cannot hold the program up.
    reset(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (m_fd < 0)
        return errorText(errno);
    struct stat info = {};
    if (::fstat(m_fd, &info) != 0) {
        const int error = errno;
        reset();
        return errorText(error);
    }
    if (!S_ISREG(info.st_mode)) {
        reset();
        return QCoreApplication::translate("FileDescriptor", "it is not a regular file");
    }
    return {};
}

QString FileDescriptor::errorText(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}
