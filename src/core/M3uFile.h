// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextLineFile.h"

// Playlist files: one entry per line, exactly the entry's text, CR LF line ends, no header.
// Every line read becomes an entry, blank lines and "#" lines included.
namespace M3uFile {

TextLineFile::Contents read(const QString &path);
// Returns why the playlist could not be written, empty on success.
QString write(const QString &path, const QStringList &entries);

} // namespace M3uFile
