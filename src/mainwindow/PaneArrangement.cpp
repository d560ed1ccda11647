// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/PaneArrangement.h"

namespace PaneArrangement {

QList<Assignment> assignments(int title, int filesMinimum, int listsMinimum, int foldersMinimum)
{
    using S = Splitter;
    switch (title) {
    case Folders:
        return {{S::Folders, 100 - foldersMinimum - 15}, {S::Lists, 70}, {S::Files, 50}};
    case Files:
        return {{S::Folders, foldersMinimum + 1},
                {S::Files, 100 - filesMinimum - 2},
                {S::Lists, 100 - listsMinimum - 1}};
    case Playlist:
        return {{S::Folders, foldersMinimum + 1},
                {S::Files, filesMinimum + 2},
                {S::Lists, 100 - listsMinimum - 1}};
    case Player:
        return {{S::Folders, foldersMinimum + 1}, {S::Lists, listsMinimum + 8}, {S::Files, 50}};
    default:
        return {};
    }
}

QList<Assignment> autoArrange()
{
    return {{Splitter::Folders, 25}, {Splitter::Lists, 70}, {Splitter::Files, 50}};
}

} // namespace PaneArrangement
