// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RegularFile.h"

#include <QStringList>
#include <functional>
#include <optional>

// The program's list files: one entry per line, the bytes of each entry unchanged (see NativePath),
// lines ending in CR LF. On reading, a file that holds a CR ends its lines at CR LF or a lone CR,
// so a line feed inside a name stays in the name; a file without any CR, as other Linux programs
// write them, ends its lines at LF.
namespace TextLineFile {

// Lists larger than this are refused rather than read into memory.
inline constexpr qint64 MaxBytes = 256LL * 1024 * 1024;

struct Contents
{
    using Status = RegularFile::Contents::Status;
    Status status = Status::Missing;
    QStringList lines;
    // Why the file was refused, in words for the user.
    QString problem;
};

// Read as RegularFile reads: a FIFO, a device or a folder is refused without blocking.
Contents read(const QString &path);
// Replaces the file atomically. Returns why it could not be written, empty on success; on any
// failure the previous file is kept as it was.
QString write(const QString &path, const QStringList &lines);

QStringList splitLines(const QByteArray &bytes);
// Makes the entry of one line from its bytes; none leaves the line out. Called from more than one
// thread at once.
using LineEntry = std::function<std::optional<QString>(QByteArrayView line)>;
// The entries of the lines: the lines are cut as bytes, so a line left out is never decoded.
QStringList splitLines(QByteArrayView bytes, const LineEntry &entryOf);

} // namespace TextLineFile
