// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/GlyphCanvas.h"

#include <QPainter>

QImage glyphCanvas(qreal devicePixelRatio)
{
    QImage picture(QSize(16, 16) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    return picture;
}

void setUpGlyphPainter(QPainter &painter, const QColor &ink)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}
