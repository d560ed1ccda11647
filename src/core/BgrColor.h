// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Colours are written as 24-bit numbers in blue-green-red order: 0xFF0000 is blue, 0x00FFFF yellow.
namespace BgrColor {

QColor toColor(quint32 bgr);
quint32 fromColor(const QColor &color);

} // namespace BgrColor
