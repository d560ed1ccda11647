// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelMeterPicture.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int Bars = 2;
constexpr int Segments = 20;

} // namespace

bool LevelMeterPicture::isShownFor(const QString &path)
{
    const QString tail = path.right(4).toLower();
    return tail == QLatin1String(".mp3") || tail == QLatin1String(".wav") || tail == QLatin1String(".voc") ||
           tail == QLatin1String(".mid");
}

void LevelMeterPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::black);
    const QRectF area =
        QRectF(rect()).adjusted(width() * 0.12, height() * 0.15, -width() * 0.12, -height() * 0.15);
    const double barWidth = area.width() / (Bars * 2 - 1);
    const double segment = area.height() / Segments;
    // A still level: the left channel a little above the right, the top segments unlit.
    const int lit[Bars] = {14, 12};
    for (int bar = 0; bar < Bars; ++bar) {
        const double x = area.left() + bar * 2 * barWidth;
        for (int i = 0; i < Segments; ++i) {
            const double y = area.bottom() - (i + 1) * segment;
            QColor colour = i >= 17   ? QColor(230, 40, 30)
                            : i >= 13 ? QColor(240, 200, 30)
                                      : QColor(40, 200, 70);
            if (i >= lit[bar])
                colour = colour.darker(400);
            painter.fillRect(QRectF(x, y + segment * 0.15, barWidth, segment * 0.7), colour);
        }
    }
    painter.setPen(QColor(150, 150, 150));
    QFont small = font();
    small.setPointSizeF(qMax(6.0, small.pointSizeF() * 0.8));
    painter.setFont(small);
    painter.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), height() - area.bottom() - 2),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("L          R"));
}
