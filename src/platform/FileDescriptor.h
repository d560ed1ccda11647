// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// An open file descriptor, closed when it goes.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    FileDescriptor(FileDescriptor &&other) noexcept : m_fd(other.release()) {}
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    void reset(int fd = -1);
    // Hands the descriptor over without closing it.
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now and reports the outcome, which matters for written files.
    bool close();
    // Opens a regular file for reading (path as the file system's bytes). A FIFO or a device is
    // refused without waiting on it. Returns why it could not be opened, empty on success.
    QString openForReading(const QByteArray &path);

    // The system's description of an error number, in the user's language.
    static QString errorText(int errorNumber);
    // Writes all of the bytes, going on after a signal; false on a failure, with errno saying why.
    static bool writeAll(int fd, const char *data, qint64 size);

private:
    int m_fd;
};
