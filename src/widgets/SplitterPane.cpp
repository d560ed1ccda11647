// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SplitterPane.h"

#include "core/Rounding.h"
#include "core/Twips.h"
#include "platform/Prompter.h"
#include "widgets/MouseCodes.h"

#include <QAccessible>
#include <QMouseEvent>
#include <utility>

namespace {

const QColor DraggedBar(0x54, 0x54, 0x54);

} // namespace

SplitterPane::SplitterPane(QWidget *parent) : QWidget(parent)
{
    m_bar = new QWidget(this);
    m_bar->setObjectName(QStringLiteral("bar"));
    m_bar->setAutoFillBackground(true);
    m_bar->setCursor(Qt::SplitHCursor);
    m_bar->installEventFilter(this);
    setBarColour(palette().color(QPalette::Button));
}

SplitterGeometry SplitterPane::geometry() const
{
    SplitterGeometry current = m_geometry;
    current.width = width();
    current.height = height();
    current.twipsPerPixelX = Twips::perPixelX(*this);
    current.twipsPerPixelY = Twips::perPixelY(*this);
    return current;
}

void SplitterPane::warn(const QString &text)
{
    if (m_prompter)
        m_prompter->message(text, QString(), Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
}

void SplitterPane::setBarWidth(int pixels)
{
    if (pixels < 1) {
        warn(tr("Splitter width cannot be set smaller than 1 pixel !"));
        pixels = 1;
    } else if (pixels > 100) {
        warn(tr("Splitter width cannot be set bigger than 100 Pixel !"));
        pixels = 100;
    }
    m_geometry.barWidth = pixels;
    m_bar->resize(pixels, height());
    updateSize();
}

void SplitterPane::setMinSize(int percent)
{
    if (percent < 1) {
        warn(tr("Minsize cannot be set below 1% !"));
        percent = 1;
    } else if (percent > 50) {
        warn(tr("Minsize cannot be set above 50%"));
        percent = 50;
    }
    m_geometry.minSize = percent;
    placeBar(percent * double(width() / 100) - m_geometry.barWidth / 2.0);
    updateSize();
}

void SplitterPane::setRightMinimum(int pixels)
{
    m_geometry.rightMinimum = qMax(0, pixels);
    placeBar(geometry().barLeftForPercent(m_defLeftProc));
    updateSize();
}

void SplitterPane::setLeftPercent(int percent)
{
    const int before = std::exchange(m_defLeftProc, m_geometry.clampPercent(percent));
    placeBar(geometry().barLeftForPercent(m_defLeftProc));
    updateSize();
    if (m_defLeftProc != before) {
        QAccessibleValueChangeEvent event(this, m_defLeftProc);
        QAccessible::updateAccessibility(&event);
    }
}

void SplitterPane::updateSize()
{
    m_panes = geometry().panes(m_barLeft);
    Q_EMIT panesResized(m_panes.leftPos, m_panes.leftWidth, m_panes.rightPos, m_panes.rightWidth,
                        m_panes.topPos, m_panes.bottomPos);
}

void SplitterPane::setLeftWidthTwips(int twips)
{
    placeBar(twips / Twips::perPixelX(*this));
    updateSize();
}

int SplitterPane::scaleWidth() const
{
    return geometry().scaleWidth();
}

void SplitterPane::placeBar(double left)
{
    m_barLeft = left;
    m_bar->setGeometry(Rounding::halfEven(left), 0, m_geometry.barWidth, height());
}

void SplitterPane::setBarColour(const QColor &colour)
{
    QPalette colours = m_bar->palette();
    colours.setColor(QPalette::Window, colour);
    m_bar->setPalette(colours);
}

void SplitterPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeBar(geometry().barLeftForPercent(m_defLeftProc));
    updateSize();
}

bool SplitterPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_bar)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        Q_EMIT mousePressed(MouseCodes::button(mouse->button()));
        if (mouse->button() == Qt::LeftButton) {
            setBarColour(DraggedBar);
            m_bar->raise();
            m_dragging = true;
            m_dragLeft = m_barLeft;
            m_grabPointer = mapFromGlobal(mouse->globalPosition()).x();
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_dragging || !(mouse->buttons() & Qt::LeftButton))
            return true;
        const double pointer = mapFromGlobal(mouse->globalPosition()).x();
        placeBar(geometry().clampDrag(m_dragLeft + (pointer - m_grabPointer)));
        if (m_flySize)
            updateSize();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        Q_EMIT mouseReleased(MouseCodes::button(mouse->button()));
        if (mouse->button() == Qt::LeftButton && m_dragging) {
            setBarColour(palette().color(QPalette::Button));
            m_dragging = false;
            setLeftPercent(geometry().percentAt(m_barLeft));
        }
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}
