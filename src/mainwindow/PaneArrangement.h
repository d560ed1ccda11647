// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

// What a left click on a title strip does to the three splitters: the share assignments, in the
// order they are made. Each splitter clamps what it is given to its minimum .. 99.
namespace PaneArrangement {

enum Title
{
    Folders = 0,
    Files = 1,
    Playlist = 2,
    Player = 3
};

// The splitters: files | playlist, the lists | the player, the folders | the rest.
enum class Splitter
{
    Files = 1,
    Lists = 2,
    Folders = 3
};

struct Assignment
{
    Splitter splitter;
    int percent;
};

// The minimum shares are those of the files, lists and folders splitters. An index outside 0..3
// gives nothing.
QList<Assignment> assignments(int title, int filesMinimum, int listsMinimum, int foldersMinimum);

// "Auto arrange": folders 25, lists 70, files 50.
QList<Assignment> autoArrange();

} // namespace PaneArrangement
