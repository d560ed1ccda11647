// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/PlayerGlyph.h"

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
    case 2: // media window command
        triangle({2, 3}, {8, 8}, {2, 13});
        triangle({8, 3}, {14, 8}, {8, 13});
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
    case 5: // show the playing file
        painter.drawEllipse(QPointF(8, 8), 5, 5);
        painter.setBrush(ink);
        painter.drawEllipse(QPointF(8, 8), 1.6, 1.6);
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
