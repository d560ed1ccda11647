// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BgrColor.h"

namespace BgrColor {

QColor toColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 fromColor(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

} // namespace BgrColor
