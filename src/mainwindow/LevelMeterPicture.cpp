// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/LevelMeterPicture.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int Bars = 2;

} // namespace

bool LevelMeterPicture::isShownFor(const QString &path)
{
    const QString tail = path.right(4).toLower();
    return tail == QLatin1String(".mp3") || tail == QLatin1String(".wav") || tail == QLatin1String(".voc") ||
           tail == QLatin1String(".mid");
}

int LevelMeterPicture::litSegments(double level)
{
    return qBound(0, qRound(level * Segments), Segments);
}

void LevelMeterPicture::setLevels(double left, double right)
{
    const double levels[Bars] = {left, right};
    bool changed = false;
    for (int bar = 0; bar < Bars; ++bar) {
        const int now = qMax(litSegments(levels[bar]), m_lit[bar] - 1);
        changed = changed || now != m_lit[bar];
        m_lit[bar] = now;
    }
    if (changed)
        update();
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
    for (int bar = 0; bar < Bars; ++bar) {
        const double x = area.left() + bar * 2 * barWidth;
        for (int i = 0; i < Segments; ++i) {
            const double y = area.bottom() - (i + 1) * segment;
            QColor colour = i >= 17   ? QColor(230, 40, 30)
                            : i >= 13 ? QColor(240, 200, 30)
                                      : QColor(40, 200, 70);
            if (i >= m_lit[bar])
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
