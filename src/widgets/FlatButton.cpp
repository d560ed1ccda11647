// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FlatButton.h"

#include "widgets/MouseCodes.h"
#include "widgets/ReadableColour.h"

#include <QAccessible>
#include <QAction>
#include <QCursor>
#include <QElapsedTimer>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

FlatButton::FlatButton(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // A button sizing itself to its default text takes that size when it is polished: most buttons
    // get their own text and font right away, and measuring the default one would be wasted.
}

void FlatButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    layOut();
}

void FlatButton::setBackColor(const QColor &color)
{
    m_backColor = color;
    layOut();
}

void FlatButton::setBorder1Color(const QColor &color)
{
    m_border1 = color;
    layOut();
}

void FlatButton::setBorder2Color(const QColor &color)
{
    m_border2 = color;
    layOut();
}

QColor FlatButton::border1Color() const
{
    return m_border1.isValid() ? m_border1 : palette().color(QPalette::Light);
}

QColor FlatButton::border2Color() const
{
    return m_border2.isValid() ? m_border2 : palette().color(QPalette::Shadow);
}

QColor FlatButton::ink(const QColor &wanted, const QColor &face) const
{
    const QColor background = face.isValid() ? face : palette().color(QPalette::Button);
    return ReadableColour::on(background, wanted.isValid() ? wanted : palette().color(QPalette::ButtonText));
}

void FlatButton::setAutoSize(bool on)
{
    m_autoSize = on;
    if (!on) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    layOut();
}

void FlatButton::setBorderSize(int pixels)
{
    m_layout.borderSize = qMax(1, pixels);
    layOut();
}

void FlatButton::setText(const QString &text)
{
    m_text = text;
    m_textMeasured = false;
    setAccessibleName(text);
    layOut();
}

void FlatButton::setTextColor(const QColor &color)
{
    m_textColor = color;
    layOut();
}

void FlatButton::setTextFont(const QFont &textFont)
{
    // The font change event lays the button out again.
    setFont(textFont);
}

void FlatButton::setBorderSpace(int pixels)
{
    m_layout.borderSpace = pixels;
    layOut();
}

void FlatButton::setHoverColor(const QColor &color)
{
    m_mouseOverColor = color;
    layOut();
}

void FlatButton::setHoverTextColor(const QColor &color)
{
    m_textMouseOverColor = color;
    layOut();
}

void FlatButton::setTextPlacement(int align)
{
    m_layout.alignText = align;
    layOut();
}

void FlatButton::setPictureToTextSpace(int pixels)
{
    m_layout.pictureToTextSpace = pixels;
    layOut();
}

void FlatButton::setPictureIndent(int pixels)
{
    m_layout.pictureTab = pixels;
    layOut();
}

void FlatButton::setPointerShape(int pointer)
{
    m_mousePointer = pointer;
    applyPointer();
}

void FlatButton::setPointerPicture(const QPixmap &icon)
{
    m_mouseIcon = icon;
    applyPointer();
}

void FlatButton::applyPointer()
{
    static const QHash<int, Qt::CursorShape> shapes = {
        {1, Qt::ArrowCursor},      {2, Qt::CrossCursor}, {3, Qt::IBeamCursor},    {11, Qt::WaitCursor},
        {12, Qt::ForbiddenCursor}, {13, Qt::BusyCursor}, {15, Qt::SizeAllCursor}, {16, Qt::WhatsThisCursor}};
    if (m_mousePointer == 99 && !m_mouseIcon.isNull())
        setCursor(QCursor(m_mouseIcon));
    else if (shapes.contains(m_mousePointer))
        setCursor(shapes.value(m_mousePointer));
    else
        unsetCursor();
}

const FlatButtonLayout &FlatButton::measured() const
{
    // Measuring text shapes it: done once per text and font, and only when a size or a paint
    // needs it.
    if (!m_textMeasured) {
        const QFontMetrics metrics = fontMetrics();
        m_layout.text =
            m_text.isEmpty() ? QSize() : QSize(metrics.horizontalAdvance(m_text), metrics.height());
        m_textMeasured = true;
    }
    return m_layout;
}

void FlatButton::layOut()
{
    m_layout.picture = (QSizeF(m_picture.size()) / m_picture.devicePixelRatio()).toSize();
    if (m_autoSize)
        setFixedSize(measured().autoSize());
    update();
}

QSize FlatButton::sizeHint() const
{
    return m_autoSize ? measured().autoSize() : QSize(75, 23);
}

bool FlatButton::event(QEvent *event)
{
    if (event->type() == QEvent::Polish && m_autoSize)
        setFixedSize(measured().autoSize());
    return QWidget::event(event);
}

void FlatButton::setChecked(bool on)
{
    if (on == std::exchange(m_checked, on))
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void FlatButton::click()
{
    if (isEnabled())
        Q_EMIT clicked();
}

void FlatButton::refresh()
{
    layOut();
}

void FlatButton::enterHover(bool fake)
{
    Q_EMIT hoverEntered();
    m_borderShown = true;
    m_hoverLook = true;
    if (fake)
        m_hovering = true;
    update();
}

void FlatButton::leaveHover(bool fake)
{
    Q_EMIT hoverLeft();
    m_borderShown = false;
    m_hoverLook = false;
    if (fake)
        m_hovering = false;
    update();
}

void FlatButton::showSunkenBorder()
{
    m_sunken = true;
    update();
}

void FlatButton::showRaisedBorder()
{
    m_sunken = false;
    update();
}

void FlatButton::showHoverBorder(bool fake)
{
    m_latched = fake;
    m_borderShown = true;
    update();
}

void FlatButton::track(const QPoint &position, Qt::MouseButtons buttons, bool raiseMouseMove)
{
    if (raiseMouseMove)
        Q_EMIT mouseMoved(0, 0, position.x(), position.y());
    // The hover look follows the pointer through move, enter and leave events; the button never
    // holds the mouse, so a window opened meanwhile takes clicks at once.
    const bool inside = rect().contains(position);
    if (inside && !m_hovering && isEnabled()) {
        enterHover(true);
        if (buttons == Qt::NoButton)
            showRaisedBorder();
    } else if (!inside && m_hovering) {
        leaveHover(true);
    }
}

void FlatButton::mouseMoveEvent(QMouseEvent *event)
{
    // The buttons held, as bits: 1 left, 2 right, 4 middle (the same bits as Qt's).
    Q_EMIT mouseMoved(int(event->buttons()) & 7, MouseCodes::shift(event->modifiers()), event->position().x(),
                      event->position().y());
    track(event->position().toPoint(), event->buttons(), false);
}

void FlatButton::mousePressEvent(QMouseEvent *)
{
    m_pressed = true;
    m_doubleClicked = false;
    showSunkenBorder();
}

void FlatButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressed)
        Q_EMIT mouseReleased(MouseCodes::button(event->button()), MouseCodes::shift(event->modifiers()),
                             event->position().x(), event->position().y());
    m_pressed = false;
    showRaisedBorder();
    // The pointer may have left while the button was held: look where it was let go.
    const QPoint released = event->position().toPoint();
    track(released, Qt::NoButton, false);
    // The release that ends a double click raises no second click.
    const bool click = !std::exchange(m_doubleClicked, false);
    QElapsedTimer answering;
    answering.start();
    if (click && event->button() == Qt::LeftButton && rect().contains(released) && isEnabled()) {
        Q_EMIT clicked();
        track(released, Qt::NoButton, true);
    } else if (click && event->button() == Qt::RightButton && rect().contains(released) && isEnabled()) {
        Q_EMIT rightClicked();
    }
    constexpr qint64 AnsweredLateMs = 100;
    m_clickAnsweredLate = answering.elapsed() >= AnsweredLateMs;
}

void FlatButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The window system pairs this press with one before a window came and went in between.
    if (std::exchange(m_clickAnsweredLate, false)) {
        mousePressEvent(event);
        return;
    }
    m_doubleClicked = true;
    showSunkenBorder();
    Q_EMIT doubleClicked();
}

void FlatButton::enterEvent(QEnterEvent *event)
{
    track(event->position().toPoint(), event->buttons(), false);
    QWidget::enterEvent(event);
}

void FlatButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        click();
    else
        QWidget::keyPressEvent(event);
}

void FlatButton::hideEvent(QHideEvent *event)
{
    if (m_hovering)
        leaveHover(true);
    QWidget::hideEvent(event);
}

void FlatButton::leaveEvent(QEvent *event)
{
    if (m_hovering && !m_pressed)
        leaveHover(true);
    QWidget::leaveEvent(event);
}

void FlatButton::focusOutEvent(QFocusEvent *event)
{
    if (!m_latched && m_hovering)
        leaveHover(true);
    QWidget::focusOutEvent(event);
}

void FlatButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled() && m_hovering) {
        leaveHover(true);
    } else if (event->type() == QEvent::FontChange) {
        m_textMeasured = false;
        layOut();
    }
    QWidget::changeEvent(event);
}

void FlatButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const FlatButtonLayout &layout = measured();
    const QColor face = palette().color(QPalette::Button);
    const QColor normal = m_backColor.isValid() ? m_backColor : face;
    const QColor over = m_mouseOverColor.isValid() ? m_mouseOverColor : face;
    painter.fillRect(rect(), m_hoverLook ? over : normal);

    if (!m_text.isEmpty()) {
        painter.setPen(!isEnabled()  ? palette().color(QPalette::Disabled, QPalette::ButtonText)
                       : m_hoverLook ? hoverTextColor()
                                     : textColor());
        // A button narrower than its text (one not sized to its content) shows as much as fits.
        const int room = width() - 2 * (layout.borderSize + layout.borderSpace);
        if (layout.text.width() > room) {
            const QString shown = fontMetrics().elidedText(m_text, Qt::ElideRight, room);
            painter.drawText(rect().adjusted(layout.borderSize, 0, -layout.borderSize, 0), Qt::AlignCenter,
                             shown);
        } else {
            painter.drawText(QRect(layout.textPosition(size()), layout.text), Qt::AlignLeft | Qt::AlignTop,
                             m_text);
        }
    }
    if (!m_picture.isNull()) {
        if (!isEnabled())
            painter.setOpacity(0.5);
        painter.drawPixmap(layout.picturePosition(size()), m_picture);
        painter.setOpacity(1);
    }
    if (m_borderShown) {
        const int b = layout.borderSize;
        const QColor topLeft = m_sunken ? border2Color() : border1Color();
        const QColor bottomRight = m_sunken ? border1Color() : border2Color();
        painter.fillRect(0, 0, width(), b, topLeft);
        painter.fillRect(0, 0, b, height(), topLeft);
        painter.fillRect(0, height() - b, width(), b, bottomRight);
        painter.fillRect(width() - b, 0, b, height(), bottomRight);
    }
    if (hasFocus()) {
        QPen dotted(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void FlatButton::setAction(QAction *action)
{
    setEnabled(action->isEnabled());
    if (toolTip().isEmpty())
        setToolTip(action->toolTip());
    setAccessibleName(action->text());
    connect(action, &QAction::changed, this, [this, action] { setEnabled(action->isEnabled()); });
    connect(this, &FlatButton::clicked, action, &QAction::trigger);
}

void FlatButton::setRightClickAction(QAction *action)
{
    connect(this, &FlatButton::rightClicked, action, &QAction::trigger);
}
