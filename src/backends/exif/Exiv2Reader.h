// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureFacts.h"

#include <QByteArray>

// Reads a picture's facts with Exiv2. Nothing Exiv2 throws leaves it: a damaged file gives what
// could be read before the damage, and the library's complaints go to the log.
namespace Exiv2Reader {

// The file at that absolute path, given as the bytes the file system keeps.
PictureFacts fromFile(const QByteArray &path);
// A whole picture file held in memory.
PictureFacts fromBytes(const QByteArray &bytes);

} // namespace Exiv2Reader
