// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Cover pictures taken out of media files, kept as picture files of their own for the desktop's
// player applets, which are given a file's address. One picture a medium, named by the medium, so
// that it is taken out once; at most Capacity of them, those used longest ago going first.
namespace CoverCache {

inline constexpr int Capacity = 50;

// The folder under the program's cache location.
QString folder();
// Where the cover of the medium is kept in the folder: named by the medium's path, size and time
// of change, so that a changed file has its picture taken anew.
QString fileFor(const QString &mediaPath, const QString &folder = CoverCache::folder());
// Marks a kept cover as just used.
void markUsed(const QString &cover);
// Removes the covers used longest ago beyond the capacity.
void trim(const QString &folder = CoverCache::folder(), int capacity = Capacity);

} // namespace CoverCache
