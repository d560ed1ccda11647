// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/EtchedLine.h"

#include "core/Twips.h"

#include <QPainter>

EtchedLine::EtchedLine(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void EtchedLine::setShadeColor(const QColor &color)
{
    m_color1 = color;
    update();
}

void EtchedLine::setLightColor(const QColor &color)
{
    m_color2 = color;
    update();
}

void EtchedLine::setVertical(bool vertical)
{
    m_vertical = vertical;
    const int thickness = Twips::toPixels(ThicknessTwips);
    if (vertical) {
        setMinimumHeight(0);
        setMaximumHeight(QWIDGETSIZE_MAX);
        setFixedWidth(thickness);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    } else {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
        setFixedHeight(thickness);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    update();
}

QSize EtchedLine::sizeHint() const
{
    const int thickness = Twips::toPixels(ThicknessTwips);
    return m_vertical ? QSize(thickness, 40) : QSize(40, thickness);
}

void EtchedLine::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A control no wider than high is a vertical line, any other a horizontal one; either way its
    // thickness is fixed. A control squeezed to no more than the thickness has no length to tell
    // by and keeps the way it lies.
    const int thickness = Twips::toPixels(ThicknessTwips);
    const bool vertical = qMax(width(), height()) <= thickness ? m_vertical : width() <= height();
    if (vertical != m_vertical || (vertical ? width() : height()) != thickness)
        setVertical(vertical);
}

void EtchedLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_vertical) {
        painter.fillRect(0, 0, 1, height(), m_color1);
        painter.fillRect(1, 0, 1, height(), m_color2);
    } else {
        painter.fillRect(0, 0, width(), 1, m_color1);
        painter.fillRect(0, 1, width(), 1, m_color2);
    }
}
