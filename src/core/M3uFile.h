// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TextLineFile.h"

// Playlist files. Written: one entry per line, exactly the entry's text (a full path), CR LF line
// ends, nothing else. Read: also what other players write: "#" lines (headers, titles) are not
// entries, entries relative to the playlist's folder are made full, file URLs become paths, a
// UTF-8 byte order mark is dropped, and lines too long to be a path are left out. Kestrove's own
// files read back exactly as written. A file that is not text (one with NUL bytes, or UTF-16 or
// UTF-32 text) is refused.
namespace M3uFile {

TextLineFile::Contents read(const QString &path);
// One line of a playlist as an entry; playlistFolder ends in "/".
QString entryOf(const QString &line, const QString &playlistFolder);
// Returns why the playlist could not be written, empty on success.
QString write(const QString &path, const QStringList &entries);

} // namespace M3uFile
