// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QString>

// The names of the list files kept in the data folder.
namespace ListFiles {

inline constexpr QLatin1String EditList("files.ini");
inline constexpr QLatin1String Playlist("default.m3u");

// A list file ends its lines with CR LF: a name holding a CR cannot be kept in one.
inline bool canHold(const QString &path)
{
    return !path.contains(QLatin1Char('\r'));
}

} // namespace ListFiles
