// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

// Playlist files: one entry per line, exactly the entry's text, CR LF line ends, no header.
// Every line read becomes an entry, blank lines and "#" lines included.
namespace M3uFile {

std::optional<QStringList> read(const QString &path);
bool write(const QString &path, const QStringList &entries);

} // namespace M3uFile
