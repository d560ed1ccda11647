#include "TitleClick.h"

namespace TitleClick {

QList<Assignment> assignments(int title, int minSize1, int minSize2, int minSize3)
{
    switch (title) {
    case Folders:
        return {{3, 100 - minSize3 - 15}, {2, 70}, {1, 50}};
    case Files:
        return {{3, minSize3 + 1}, {1, 100 - minSize1 - 2}, {2, 100 - minSize2 - 1}};
    case Playlist:
        return {{3, minSize3 + 1}, {1, minSize1 + 2}, {2, 100 - minSize2 - 1}};
    case Player:
        return {{3, minSize3 + 1}, {2, minSize2 + 8}, {1, 50}};
    default:
        return {};
    }
}

QList<Assignment> autoArrange()
{
    return {{3, 25}, {2, 70}, {1, 50}};
}

} // namespace TitleClick
