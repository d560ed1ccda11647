// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The picture beside a song that shows its cover, as music folders keep it: "cover", "folder" or
// "front", then ".jpg" or ".png", in any case.
namespace CoverFinder {

// The cover picture in the folder of the medium, the names tried in the order above (a JPEG
// before a PNG of the same name); empty when there is none.
QString besides(const QString &mediaPath);

// Whether the file starts as a picture does: a player that takes any file named like a picture
// as one would show black for one that is not.
bool isPicture(const QString &path);

} // namespace CoverFinder
