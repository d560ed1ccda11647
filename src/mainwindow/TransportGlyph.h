// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The pictures of the transport bar's buttons, drawn in code at 16 × 16 logical pixels like the
// player buttons'. Safe on any thread.
enum class TransportGlyph
{
    Play,
    Pause,
    Stop,
    Sound,
    Muted
};

QImage transportGlyph(TransportGlyph glyph, qreal devicePixelRatio, const QColor &ink);
