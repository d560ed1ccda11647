// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

// The pictures of the nine player buttons, drawn in code at 16 × 16 logical pixels: up one
// folder, separate window, media window command, open in the default program, preferences,
// show the playing file, EditList, media player window, about.
QPixmap playerGlyph(int button, qreal devicePixelRatio, const QColor &ink);
