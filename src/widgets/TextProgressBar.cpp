// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TextProgressBar.h"

#include "widgets/ReadableColour.h"

#include <QAccessible>
#include <QPainter>

TextProgressBar::TextProgressBar(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString TextProgressBar::barText(int percent, const QString &text)
{
    const QString figure = QString::number(percent) + QLatin1Char('%');
    return text.isEmpty() ? figure : text + QLatin1Char(' ') + figure;
}

int TextProgressBar::fillWidth(int barWidth, int percent)
{
    return barWidth * qBound(0, percent, 100) / 100;
}

void TextProgressBar::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

void TextProgressBar::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

QColor TextProgressBar::foreColor() const
{
    return m_foreColor.isValid() ? m_foreColor : palette().color(QPalette::Highlight);
}

void TextProgressBar::setForeColor(const QColor &color)
{
    m_foreColor = color;
    update();
}

void TextProgressBar::setFillColor(const QColor &color)
{
    m_fillColor = color;
    update();
}

void TextProgressBar::setShowText(bool on)
{
    m_showText = on;
    update();
}

QSize TextProgressBar::sizeHint() const
{
    return {200, fontMetrics().height() + 6};
}

QSize TextProgressBar::minimumSizeHint() const
{
    return {40, fontMetrics().height() + 4};
}

void TextProgressBar::setProgress(int percent, const QString &text)
{
    percent = qBound(0, percent, 100);
    if (percent == m_percent && text == m_text)
        return;
    const bool moved = percent != m_percent;
    m_percent = percent;
    m_text = text;
    update();
    if (moved) {
        QAccessibleValueChangeEvent event(this, m_percent);
        QAccessible::updateAccessibility(&event);
    }
}

void TextProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect surface = rect();
    if (m_borderStyle != 0) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(surface.adjusted(0, 0, -1, -1));
        surface.adjust(1, 1, -1, -1);
    }
    painter.fillRect(surface, m_backColor);
    const QString caption = barText(m_percent, m_text);
    if (m_showText) {
        // The colours asked for, shaded to read on what they are drawn on.
        painter.setPen(ReadableColour::on(m_backColor, foreColor()));
        painter.drawText(surface, Qt::AlignCenter, caption);
    }
    const QRect filled(surface.topLeft(), QSize(fillWidth(surface.width(), m_percent), surface.height()));
    painter.fillRect(filled, m_fillColor);
    if (m_showText && !filled.isEmpty()) {
        painter.setClipRect(filled);
        painter.setPen(ReadableColour::on(m_fillColor, m_backColor));
        painter.drawText(surface, Qt::AlignCenter, caption);
    }
}
