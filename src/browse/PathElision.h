// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFontMetrics;

// A path shortened to a width, as the playlists show it: the folder gives way first, shortened in
// its middle, so that the file's name stays whole; a name wider than the width by itself is
// shortened in its middle.
namespace PathElision {

QString elided(const QString &path, const QFontMetrics &metrics, int width);

} // namespace PathElision
