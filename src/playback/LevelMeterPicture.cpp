// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/LevelMeterPicture.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

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
    const Layout &bars = layout();
    for (int bar = 0; bar < Bars; ++bar) {
        const int now = qMax(litSegments(levels[bar]), m_lit[bar] - 1);
        // Only the bar is drawn again: the widget spans the media view, whose cover would be
        // painted anew beneath the whole of it.
        if (std::exchange(m_lit[bar], now) != now)
            update(bars.area(bar, width()).toAlignedRect());
    }
}

double LevelMeterPicture::Layout::barLeft(int bar, double width) const
{
    return bar == 0 ? margin : width - margin - barWidth;
}

QRectF LevelMeterPicture::Layout::area(int bar, double width) const
{
    return QRectF(barLeft(bar, width) - 2, top - 2, barWidth + 4, bottom - top + label + 6);
}

const LevelMeterPicture::Layout &LevelMeterPicture::layout() const
{
    if (m_layout)
        return *m_layout;
    Layout bars;
    bars.font = font();
    bars.font.setPointSizeF(qMax(6.0, bars.font.pointSizeF() * 0.8));
    bars.label = QFontMetricsF(bars.font).height();
    bars.margin = width() * 0.03;
    bars.barWidth = width() * 0.07;
    bars.top = height() * 0.05;
    bars.bottom = height() - bars.label - 2;
    return m_layout.emplace(bars);
}

void LevelMeterPicture::resizeEvent(QResizeEvent *event)
{
    m_layout.reset();
    QWidget::resizeEvent(event);
}

void LevelMeterPicture::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_layout.reset();
    QWidget::changeEvent(event);
}

void LevelMeterPicture::paintEvent(QPaintEvent *event)
{
    // No background: the bars stand at the sides of the media view, and the song's cover, or its
    // note, stays in sight between them.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Layout &bars = layout();
    painter.setFont(bars.font);
    const double segment = (bars.bottom - bars.top) / Segments;
    const char *names[Bars] = {"L", "R"};
    for (int bar = 0; bar < Bars; ++bar) {
        const QRectF area = bars.area(bar, width());
        if (!event->region().intersects(area.toAlignedRect()))
            continue;
        const double x = bars.barLeft(bar, width());
        const double barWidth = bars.barWidth;
        const double bottom = bars.bottom;
        painter.fillRect(area, QColor(0, 0, 0, 120));
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
        painter.drawText(QRectF(x, bottom + 2, barWidth, bars.label), Qt::AlignCenter,
                         QLatin1String(names[bar]));
    }
}
