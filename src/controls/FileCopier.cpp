#include "FileCopier.h"

#include <QPainter>

FileCopier::FileCopier(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString FileCopier::barText(int percent, const QString &text)
{
    const QString figure = QString::number(percent) + QLatin1Char('%');
    return text.isEmpty() ? figure : text + QLatin1Char(' ') + figure;
}

int FileCopier::fillWidth(int barWidth, int percent)
{
    return barWidth * qBound(0, percent, 100) / 100;
}

void FileCopier::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

void FileCopier::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

QColor FileCopier::ForeColor() const
{
    return m_foreColor.isValid() ? m_foreColor : palette().color(QPalette::Highlight);
}

void FileCopier::setForeColor(const QColor &color)
{
    m_foreColor = color;
    update();
}

void FileCopier::setFillColor(const QColor &color)
{
    m_fillColor = color;
    update();
}

void FileCopier::setShowText(bool on)
{
    m_showText = on;
    update();
}

QSize FileCopier::sizeHint() const
{
    return {200, fontMetrics().height() + 6};
}

QSize FileCopier::minimumSizeHint() const
{
    return {40, fontMetrics().height() + 4};
}

void FileCopier::UpdateDisplay(int percent, const QString &text)
{
    percent = qBound(0, percent, 100);
    if (percent == m_percent && text == m_text)
        return;
    m_percent = percent;
    m_text = text;
    update();
}

void FileCopier::paintEvent(QPaintEvent *)
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
        painter.setPen(ForeColor());
        painter.drawText(surface, Qt::AlignCenter, caption);
    }
    const QRect filled(surface.topLeft(), QSize(fillWidth(surface.width(), m_percent), surface.height()));
    painter.fillRect(filled, m_fillColor);
    if (m_showText && !filled.isEmpty()) {
        painter.setClipRect(filled);
        painter.setPen(m_backColor);
        painter.drawText(surface, Qt::AlignCenter, caption);
    }
}
