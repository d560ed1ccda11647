// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/TitleStrip.h"

#include "core/Twips.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr double GapTwips = 45;

} // namespace

TitleStrip::TitleStrip(int index, const QString &caption, QWidget *parent)
    : QWidget(parent), m_index(index), m_caption(caption)
{
    setCursor(Qt::PointingHandCursor);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setToolTip(tr("Click to give this panel the most room; right-click to arrange the panels"));
}

QPair<int, int> TitleStrip::ruleGap(int stripWidth, int textWidth, double twipsPerPixel)
{
    const int gap = qRound(GapTwips / twipsPerPixel);
    return {stripWidth / 2 - textWidth / 2 - gap, stripWidth / 2 + textWidth / 2 + gap};
}

int TitleStrip::stripHeight() const
{
    return fontMetrics().height() + 2;
}

QSize TitleStrip::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(m_caption) + 20, stripHeight()};
}

void TitleStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int textWidth = fontMetrics().horizontalAdvance(m_caption);
    const int y = height() / 2;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, m_caption);
    const QPair<int, int> gap = ruleGap(width(), textWidth, Twips::perPixelX(*this));
    painter.setPen(palette().color(QPalette::Mid));
    if (gap.first > 0)
        painter.drawLine(0, y, gap.first, y);
    if (gap.second < width())
        painter.drawLine(gap.second, y, width(), y);
}

void TitleStrip::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT released(m_index, event->button(), event->globalPosition().toPoint());
}

void TitleStrip::click(Qt::MouseButton button)
{
    Q_EMIT released(m_index, button, mapToGlobal(rect().center()));
}

void TitleStrip::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateGeometry();
    update();
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}
