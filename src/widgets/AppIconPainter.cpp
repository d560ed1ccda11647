// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AppIconPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

void paintAppIcon(QPainter &painter, double size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;
    QLinearGradient background(0, 0, 0, size);
    background.setColorAt(0, QColor(0x2b, 0x7a, 0x9e));
    background.setColorAt(1, QColor(0x17, 0x45, 0x5c));
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(unit * 0.5, unit * 0.5, size - unit, size - unit), unit * 3, unit * 3);

    QPainterPath play;
    play.moveTo(unit * 6, unit * 4.5);
    play.lineTo(unit * 12, unit * 8);
    play.lineTo(unit * 6, unit * 11.5);
    play.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(play);
    painter.restore();
}
