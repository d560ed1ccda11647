// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/PlayerGlyph.h"

#include "widgets/GlyphCanvas.h"

#include <QPainter>
#include <QPainterPath>

QImage playerGlyph(int button, qreal devicePixelRatio, const QColor &ink)
{
    QImage picture = glyphCanvas(devicePixelRatio);
    QPainter painter(&picture);
    setUpGlyphPainter(painter, ink);
    auto triangle = [&painter, &ink](QPointF a, QPointF b, QPointF c) {
        QPainterPath path(a);
        path.lineTo(b);
        path.lineTo(c);
        path.closeSubpath();
        painter.fillPath(path, ink);
    };
    switch (button) {
    case 0: // up one folder
        triangle({8, 2}, {13, 8}, {3, 8});
        painter.drawLine(QPointF(8, 8), QPointF(8, 14));
        break;
    case 1: // separate window
        painter.drawRect(QRectF(2, 5, 9, 8));
        painter.drawRect(QRectF(5, 2, 9, 8));
        break;
    case 2: // video on the whole screen: four corners pointing outwards
        for (const QPointF corner : {QPointF(2, 2), QPointF(14, 2), QPointF(14, 14), QPointF(2, 14)}) {
            const qreal inX = corner.x() < 8 ? 4.5 : -4.5;
            const qreal inY = corner.y() < 8 ? 4.5 : -4.5;
            painter.drawLine(corner, corner + QPointF(inX, 0));
            painter.drawLine(corner, corner + QPointF(0, inY));
        }
        painter.drawRect(QRectF(5.5, 5.5, 5, 5));
        break;
    case 3: // open in the default program
        painter.drawRect(QRectF(2, 5, 9, 9));
        painter.drawLine(QPointF(7, 9), QPointF(14, 2));
        painter.drawLine(QPointF(9, 2), QPointF(14, 2));
        painter.drawLine(QPointF(14, 2), QPointF(14, 7));
        break;
    case 4: // preferences
        for (int row = 0; row < 3; ++row) {
            const qreal y = 3.5 + row * 4.5;
            painter.drawLine(QPointF(2, y), QPointF(14, y));
            painter.setBrush(ink);
            painter.drawEllipse(QPointF(4 + row * 4, y), 1.6, 1.6);
            painter.setBrush(Qt::NoBrush);
        }
        break;
    case 5: // show the playing file: a list with the playing row marked
        painter.drawLine(QPointF(7, 3), QPointF(14, 3));
        painter.drawLine(QPointF(7, 13), QPointF(14, 13));
        triangle({2, 5}, {6.5, 8}, {2, 11});
        painter.drawRect(QRectF(7.5, 6.5, 6.5, 3));
        break;
    case 6: // EditList
        for (int row = 0; row < 3; ++row) {
            const qreal y = 4 + row * 4;
            painter.drawLine(QPointF(5, y), QPointF(14, y));
            painter.drawPoint(QPointF(2.5, y));
        }
        break;
    case 7: // media player window
        painter.drawRect(QRectF(2, 3, 12, 10));
        triangle({6.5, 5.5}, {11, 8}, {6.5, 10.5});
        break;
    default: // about
        painter.drawEllipse(QPointF(8, 8), 6, 6);
        painter.drawLine(QPointF(8, 7), QPointF(8, 11.5));
        painter.drawPoint(QPointF(8, 4.8));
        break;
    }
    painter.end();
    return picture;
}
