// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ListEntry.h"

#include <QList>
#include <QStringList>

class MediaTypes;

// Where the chosen entry stands among the pictures of its list, counted without the folders and
// the other files ("12 / 120"), and the pictures before and after it.
struct PicturePosition
{
    // From 1; 0 when the chosen entry is not a picture.
    int number = 0;
    int count = 0;
    // The rows of the nearest pictures before and after the chosen entry; -1 for none.
    int previousRow = -1;
    int nextRow = -1;

    static PicturePosition of(const QStringList &names, const QList<ListEntry::Kind> &kinds, int chosen,
                              const MediaTypes &types);
};
