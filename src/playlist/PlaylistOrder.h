// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>

// The playlist window's reordering of entries.
namespace PlaylistOrder {

// Moves an entry one place up or down; returns where the entry is now (unchanged at the ends and
// for an index outside the list).
int moveUp(QStringList &entries, int index);
int moveDown(QStringList &entries, int index);
// What entries are sorted by: case ignored, numbers in their natural order ("track 2" before
// "track 10"); keys compare as plain texts.
QString sortKey(QStringView text);
// In natural order; entries that sort alike keep their order.
QStringList sorted(QStringList entries);
// Shuffles by drawing numbers r in [0, 1): each draw takes the entry at r × (count − 1), taken to
// the nearest index (halves to the even one), out of those left.
QStringList randomized(QStringList entries, const std::function<double()> &draw);
// Draws from a generator seeded once per run from the system's random source.
double systemDraw();

} // namespace PlaylistOrder
