// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class QPainter;

// The ground of a button's glyph: a transparent picture of 16 × 16 logical pixels.
QImage glyphCanvas(qreal devicePixelRatio);
// The painter's way of drawing glyphs: smoothed, lines 1.4 pixels wide in the ink with round ends.
void setUpGlyphPainter(QPainter &painter, const QColor &ink);
