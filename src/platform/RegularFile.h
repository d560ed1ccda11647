// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Files the program reads whole into memory. Only a regular file is read, opened without
// blocking, so that a FIFO put where such a file belongs cannot hold the program up and a device
// (a link to /dev/zero) cannot fill its memory; a file larger than the caller's limit is refused.
namespace RegularFile {

struct Contents
{
    enum class Status
    {
        Read,
        Missing,
        // The file is there but was not read; it must be left as it is.
        Refused
    };
    Status status = Status::Missing;
    QByteArray bytes;
    // Why the file was refused, in words for the user.
    QString problem;
};

Contents read(const QString &path, qint64 maxBytes);

} // namespace RegularFile
