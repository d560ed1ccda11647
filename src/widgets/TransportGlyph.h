// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The pictures of play, pause, stop and the volume's buttons, drawn in code at 16 × 16 logical
// pixels in the ink given, so that they read as enabled in any style. Safe on any thread.
enum class TransportGlyph
{
    Play,
    Pause,
    Stop,
    Sound,
    Muted
};

QImage transportGlyph(TransportGlyph glyph, qreal devicePixelRatio, const QColor &ink);
