// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Slider.h"

#include "core/Rounding.h"
#include "widgets/MouseCodes.h"

#include <QAccessible>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <utility>

namespace {

constexpr QSize HorizontalKnob(11, 21);
constexpr QSize VerticalKnob(21, 11);

} // namespace

Slider::Slider(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    m_menu = new QMenu(this);
    m_setToMin = m_menu->addAction(tr("Set to 0%"));
    m_setToMin->setObjectName(QStringLiteral("settomin"));
    m_setToMid = m_menu->addAction(tr("Set to 50%"));
    m_setToMid->setObjectName(QStringLiteral("settomid"));
    m_setToMax = m_menu->addAction(tr("Set to 100%"));
    m_setToMax->setObjectName(QStringLiteral("settomax"));
    connect(m_setToMin, &QAction::triggered, this, [this] { setValue(minimum()); });
    connect(m_setToMid, &QAction::triggered, this,
            [this] { setValue(Rounding::halfEven((double(maximum()) + double(minimum())) / 2)); });
    connect(m_setToMax, &QAction::triggered, this, [this] { setValue(maximum()); });
    updateKnobImage();
}

QPixmap Slider::builtInKnob(int direction, qreal devicePixelRatio)
{
    const QSize size = direction == Vertical ? VerticalKnob : HorizontalKnob;
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&pixmap);
    paintBuiltInKnob(painter, QPoint(0, 0), direction);
    return pixmap;
}

void Slider::paintBuiltInKnob(QPainter &painter, const QPoint &topLeft, int direction)
{
    const QSize size = direction == Vertical ? VerticalKnob : HorizontalKnob;
    const int w = size.width();
    const int h = size.height();
    painter.save();
    painter.translate(topLeft);
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(0xd4, 0xd0, 0xc8));
    // A raised bevel: light top and left, dark bottom and right, with a groove across the middle.
    painter.setPen(Qt::white);
    painter.drawLine(0, 0, w - 2, 0);
    painter.drawLine(0, 0, 0, h - 2);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(0, h - 1, w - 1, h - 1);
    painter.drawLine(w - 1, 0, w - 1, h - 1);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(1, h - 2, w - 2, h - 2);
    painter.drawLine(w - 2, 1, w - 2, h - 2);
    if (direction == Vertical) {
        painter.drawLine(3, h / 2, w - 4, h / 2);
        painter.setPen(Qt::white);
        painter.drawLine(3, h / 2 + 1, w - 4, h / 2 + 1);
    } else {
        painter.drawLine(w / 2, 3, w / 2, h - 4);
        painter.setPen(Qt::white);
        painter.drawLine(w / 2 + 1, 3, w / 2 + 1, h - 4);
    }
    painter.restore();
}

void Slider::updateKnobImage()
{
    if (m_sizeToKnob) {
        const QSize knob = knobSize();
        if (m_direction == Vertical) {
            setMinimumHeight(0);
            setMaximumHeight(QWIDGETSIZE_MAX);
            setFixedWidth(knob.width());
        } else {
            setMinimumWidth(0);
            setMaximumWidth(QWIDGETSIZE_MAX);
            setFixedHeight(knob.height());
        }
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    update();
}

QSize Slider::knobSize() const
{
    if (!m_customKnob.isNull())
        return (QSizeF(m_customKnob.size()) / m_customKnob.devicePixelRatio()).toSize();
    return m_direction == Vertical ? VerticalKnob : HorizontalKnob;
}

QSize Slider::sizeHint() const
{
    const QSize knob = knobSize();
    return m_direction == Vertical ? QSize(knob.width(), 120) : QSize(120, knob.height());
}

double Slider::scaleLength() const
{
    return m_direction == Vertical ? height() : width();
}

double Slider::trackLength() const
{
    const QSize knob = knobSize();
    return scaleLength() - (m_direction == Vertical ? knob.height() : knob.width());
}

double Slider::along(const QPointF &point) const
{
    return m_direction == Vertical ? point.y() : point.x();
}

QRect Slider::knobRect() const
{
    const QSize knob = knobSize();
    const int position = qRound(m_knobPosition);
    if (m_direction == Vertical)
        return QRect(width() / 2 - knob.width() / 2, position, knob.width(), knob.height());
    return QRect(position, height() / 2 - knob.height() / 2, knob.width(), knob.height());
}

void Slider::report(const QString &error)
{
    if (!error.isEmpty())
        Q_EMIT rangeError(error);
}

void Slider::setMinimum(int min)
{
    report(m_range.setMinimum(min));
    placeKnob();
}

void Slider::setMaximum(int max)
{
    report(m_range.setMaximum(max));
    placeKnob();
}

void Slider::setValue(int value)
{
    report(m_range.setValue(value));
    if (!m_dragging && !m_trackPress)
        placeKnob();
}

void Slider::chooseValue(int value)
{
    setValue(qBound(minimum(), value, maximum()));
    Q_EMIT valueSettled(this->value());
}

void Slider::setDirection(int direction)
{
    m_direction = direction == Vertical ? Vertical : Horizontal;
    updateKnobImage();
    placeKnob();
}

void Slider::setCenterLine(bool on)
{
    m_centerLine = on;
    update();
}

void Slider::setCenterLineColor(const QColor &color)
{
    m_centerLineColor = color;
    update();
}

void Slider::setSizeToKnob(bool on)
{
    m_sizeToKnob = on;
    updateKnobImage();
}

void Slider::setCaption(const QString &caption)
{
    m_caption = caption;
}

void Slider::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void Slider::setKnobPicture(const QPixmap &picture)
{
    m_customKnob = picture;
    updateKnobImage();
    placeKnob();
}

QColor Slider::backColor() const
{
    return palette().color(QPalette::Window);
}

void Slider::setBackColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
}

void Slider::setMenuCaptions(const QString &minMenu, const QString &medMenu, const QString &maxMenu)
{
    m_setToMin->setText(minMenu);
    m_setToMid->setText(medMenu);
    m_setToMax->setText(maxMenu);
}

void Slider::showSetMenu()
{
    m_menu->exec(QCursor::pos());
}

void Slider::placeKnob()
{
    moveKnobTo(m_range.knobPosition(trackLength()));
    Q_EMIT valueScrolled(value());
    announceValue();
}

void Slider::announceValue()
{
    if (std::exchange(m_announcedValue, value()) == value())
        return;
    QAccessibleValueChangeEvent event(this, value());
    QAccessible::updateAccessibility(&event);
}

void Slider::moveKnobTo(double position)
{
    const QRect before = knobRect();
    m_knobPosition = position;
    const QRect after = knobRect();
    if (after != before) {
        update(before);
        update(after);
    }
}

void Slider::takeValueFromKnob()
{
    // A range error here cannot happen for a knob on the track and is not reported.
    m_range.setValue(m_range.valueFromKnob(m_knobPosition, trackLength()));
    Q_EMIT valueScrolled(value());
    announceValue();
}

void Slider::centreKnobOn(double point)
{
    const QSize knob = knobSize();
    const double length = m_direction == Vertical ? knob.height() : knob.width();
    moveKnobTo(qBound(0.0, point - length / 2, qMax(0.0, trackLength())));
    takeValueFromKnob();
}

void Slider::rightClick(const QMouseEvent *event)
{
    if (m_menuEnabled)
        showSetMenu();
    takeValueFromKnob();
    Q_EMIT valueSettled(value());
    Q_EMIT valueSettled(value());
    Q_EMIT mouseReleased(MouseCodes::button(event->button()), MouseCodes::shift(event->modifiers()),
                         event->position().x(), event->position().y());
}

void Slider::mousePressEvent(QMouseEvent *event)
{
    const double pointer = along(event->position());
    if (event->button() == Qt::LeftButton) {
        if (!knobRect().contains(event->position().toPoint())) {
            centreKnobOn(pointer);
            m_trackPress = true;
        }
        if (!m_dragging) {
            m_dragging = true;
            m_grabPosition = m_knobPosition;
            m_grabPointer = pointer;
        }
    } else if (event->button() == Qt::RightButton) {
        rightClick(event);
    }
    Q_EMIT mousePressed(MouseCodes::button(event->button()), MouseCodes::shift(event->modifiers()),
                        event->position().x(), event->position().y());
}

void Slider::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    // The knob follows the pointer from where it was grabbed; past either end it stays at the end
    // and the value is that of the end.
    const double wanted = m_grabPosition + (along(event->position()) - m_grabPointer);
    moveKnobTo(qBound(0.0, wanted, qMax(0.0, trackLength())));
    takeValueFromKnob();
}

void Slider::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        m_trackPress = false;
        Q_EMIT valueSettled(value());
    }
    if (event->button() != Qt::RightButton)
        Q_EMIT mouseReleased(MouseCodes::button(event->button()), MouseCodes::shift(event->modifiers()),
                             event->position().x(), event->position().y());
}

void Slider::keyPressEvent(QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::KeypadModifier) ||
        (event->key() != Qt::Key_Plus && event->key() != Qt::Key_Minus)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QSize knob = knobSize();
    const double length = m_direction == Vertical ? knob.height() : knob.width();
    centreKnobOn(event->key() == Qt::Key_Plus ? m_knobPosition + length + 1 : m_knobPosition - 1);
}

void Slider::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeKnob();
}

bool Slider::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (!m_caption.isEmpty() && knobRect().contains(help->pos()))
            QToolTip::showText(help->globalPos(), m_caption, this, knobRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void Slider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
    if (m_centerLine) {
        painter.setPen(m_centerLineColor);
        if (m_direction == Vertical)
            painter.drawLine(width() / 2, 0, width() / 2, height());
        else
            painter.drawLine(0, height() / 2, width(), height() / 2);
    }
    if (!isEnabled())
        painter.setOpacity(0.5);
    if (m_customKnob.isNull())
        paintBuiltInKnob(painter, knobRect().topLeft(), m_direction);
    else
        painter.drawPixmap(knobRect().topLeft(), m_customKnob);
}
