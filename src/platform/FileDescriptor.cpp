// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDescriptor.h"

#include <cstring>
#include <unistd.h>

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

bool FileDescriptor::close()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd < 0 || ::close(fd) == 0;
}

QString FileDescriptor::errorText(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}
