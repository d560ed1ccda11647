// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The pictures of the nine player buttons, drawn in code at 16 × 16 logical pixels: up one
// folder, separate window, media window command, open in the default program, preferences,
// show the playing file, EditList, media player window, about. Safe on any thread.
QImage playerGlyph(int button, qreal devicePixelRatio, const QColor &ink);
