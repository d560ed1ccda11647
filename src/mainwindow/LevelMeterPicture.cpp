// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/LevelMeterPicture.h"

#include <QFontMetricsF>
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
    // No background: the bars stand at the sides of the media view, and the song's cover, or its
    // note, stays in sight between them.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPointSizeF(qMax(6.0, small.pointSizeF() * 0.8));
    painter.setFont(small);
    const double label = QFontMetricsF(small).height();
    const double margin = width() * 0.03;
    const double barWidth = width() * 0.07;
    const double top = height() * 0.05;
    const double bottom = height() - label - 2;
    const double segment = (bottom - top) / Segments;
    const char *names[Bars] = {"L", "R"};
    for (int bar = 0; bar < Bars; ++bar) {
        const double x = bar == 0 ? margin : width() - margin - barWidth;
        painter.fillRect(QRectF(x - 2, top - 2, barWidth + 4, bottom - top + label + 6),
                         QColor(0, 0, 0, 120));
        for (int i = 0; i < Segments; ++i) {
            const double y = bottom - (i + 1) * segment;
            QColor colour = i >= 17   ? QColor(230, 40, 30)
                            : i >= 13 ? QColor(240, 200, 30)
                                      : QColor(40, 200, 70);
            if (i >= m_lit[bar])
                colour = colour.darker(400);
            painter.fillRect(QRectF(x, y + segment * 0.15, barWidth, segment * 0.7), colour);
        }
        painter.setPen(QColor(150, 150, 150));
        painter.drawText(QRectF(x, bottom + 2, barWidth, label), Qt::AlignCenter, QLatin1String(names[bar]));
    }
}
