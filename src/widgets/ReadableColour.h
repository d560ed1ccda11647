// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Colours that stay readable on whatever background a desktop theme gives: the contrast of two
// colours as accessibility guidelines measure it (1 to 21), and a colour's nearest shade that
// reaches a contrast.
namespace ReadableColour {

// At least this contrast makes text easy to read.
inline constexpr double TextContrast = 4.5;

double contrast(const QColor &first, const QColor &second);

// The wanted colour made lighter or darker, whichever way leads away from the background, just
// enough to reach the least contrast; it keeps its hue.
QColor on(const QColor &background, const QColor &wanted, double least = TextContrast);

} // namespace ReadableColour
