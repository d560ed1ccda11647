// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TransportGlyph.h"

#include "widgets/GlyphCanvas.h"

#include <QPainter>
#include <QPainterPath>

QImage transportGlyph(TransportGlyph glyph, qreal devicePixelRatio, const QColor &ink)
{
    QImage picture = glyphCanvas(devicePixelRatio);
    QPainter painter(&picture);
    setUpGlyphPainter(painter, ink);
    // The loudspeaker of the volume glyphs: a box and its cone.
    const auto speaker = [&painter, &ink] {
        QPainterPath cone(QPointF(2, 6));
        cone.lineTo(5, 6);
        cone.lineTo(9, 2.5);
        cone.lineTo(9, 13.5);
        cone.lineTo(5, 10);
        cone.lineTo(2, 10);
        cone.closeSubpath();
        painter.fillPath(cone, ink);
    };
    switch (glyph) {
    case TransportGlyph::Play: {
        QPainterPath triangle(QPointF(4, 2.5));
        triangle.lineTo(13.5, 8);
        triangle.lineTo(4, 13.5);
        triangle.closeSubpath();
        painter.fillPath(triangle, ink);
        break;
    }
    case TransportGlyph::Pause:
        painter.fillRect(QRectF(3.5, 2.5, 3.5, 11), ink);
        painter.fillRect(QRectF(9, 2.5, 3.5, 11), ink);
        break;
    case TransportGlyph::Stop:
        painter.fillRect(QRectF(3, 3, 10, 10), ink);
        break;
    case TransportGlyph::Sound:
        speaker();
        painter.drawArc(QRectF(7, 5, 5, 6), -60 * 16, 120 * 16);
        painter.drawArc(QRectF(7, 2.5, 8, 11), -60 * 16, 120 * 16);
        break;
    case TransportGlyph::Muted:
        speaker();
        painter.drawLine(QPointF(11, 5.5), QPointF(15, 10.5));
        painter.drawLine(QPointF(15, 5.5), QPointF(11, 10.5));
        break;
    }
    painter.end();
    return picture;
}
