// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>

// The names of the list files kept in the data folder.
namespace ListFiles {

inline constexpr QLatin1String EditList("files.ini");
inline constexpr QLatin1String Playlist("default.m3u");

} // namespace ListFiles
