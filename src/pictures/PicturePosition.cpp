// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PicturePosition.h"

#include "core/MediaTypes.h"

PicturePosition PicturePosition::of(const QStringList &names, const QList<ListEntry::Kind> &kinds, int chosen,
                                    const MediaTypes &types)
{
    PicturePosition position;
    for (int row = 0; row < names.size() && row < kinds.size(); ++row) {
        if (kinds.at(row) != ListEntry::Kind::File || !types.isPicture(names.at(row)))
            continue;
        ++position.count;
        if (row == chosen)
            position.number = position.count;
        else if (row < chosen)
            position.previousRow = row;
        else if (position.nextRow < 0)
            position.nextRow = row;
    }
    return position;
}
