#pragma once

#include <QList>

// What a left click on a title strip does to the three splitters: the DefLeftProc assignments, in
// the order they are made. Each splitter clamps what it is given to MinSize .. 99.
namespace TitleClick {

enum Title
{
    Folders = 0,
    Files = 1,
    Playlist = 2,
    Player = 3
};

struct Assignment
{
    int splitter; // 1, 2 or 3: SplitterPane1, SplitterPane2, SplitterPane3
    int percent;
};

// minSize1..3 are the MinSize of SplitterPane1..3. An index outside 0..3 gives nothing.
QList<Assignment> assignments(int title, int minSize1, int minSize2, int minSize3);

// "Auto arrange": SplitterPane3 25, SplitterPane2 70, SplitterPane1 50.
QList<Assignment> autoArrange();

} // namespace TitleClick
