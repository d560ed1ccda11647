// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The program's list files: one entry per line, in the locale's 8-bit encoding, which is UTF-8 on
// Linux.
// Lines are written with CR LF; on reading a line ends at CR LF, at a lone CR or at a lone LF,
// so that lists written by other Linux programs read as they were meant.
namespace TextLineFile {

// Nothing when the file cannot be opened or read.
std::optional<QStringList> read(const QString &path);

// Replaces the file atomically: a failed or interrupted write leaves the previous file as it was.
bool write(const QString &path, const QStringList &lines);

QStringList splitLines(const QByteArray &bytes);

} // namespace TextLineFile
