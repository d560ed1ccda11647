// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/FlatButtonLayout.h"

#include <QPixmap>
#include <QWidget>

// A flat push button showing a picture, a text or both. Its 3D border shows only while the mouse
// is over it: raised when hovering, sunken while the left button is held; hovering also switches
// the background and text colours.
class QAction;

class FlatButton : public QWidget
{
    Q_OBJECT

public:
    explicit FlatButton(QWidget *parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);
    // Colours not set come from the palette, so that a dark theme shows the button as a light one
    // does; text is shaded, where it must be, to read on the button's face.
    QColor border1Color() const;
    void setBorder1Color(const QColor &color);
    QColor border2Color() const;
    void setBorder2Color(const QColor &color);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    int borderSize() const { return m_layout.borderSize; }
    void setBorderSize(int pixels);
    QString text() const { return m_text; }
    void setText(const QString &text);
    QColor textColor() const { return ink(m_textColor, m_backColor); }
    void setTextColor(const QColor &color);
    QFont textFont() const { return font(); }
    void setTextFont(const QFont &textFont);
    int borderSpace() const { return m_layout.borderSpace; }
    void setBorderSpace(int pixels);
    QColor hoverColor() const { return m_mouseOverColor; }
    void setHoverColor(const QColor &color);
    QColor hoverTextColor() const { return ink(m_textMouseOverColor, m_mouseOverColor); }
    void setHoverTextColor(const QColor &color);
    int textPlacement() const { return m_layout.alignText; }
    void setTextPlacement(int align);
    int pictureToTextSpace() const { return m_layout.pictureToTextSpace; }
    void setPictureToTextSpace(int pixels);
    int pictureIndent() const { return m_layout.pictureTab; }
    void setPictureIndent(int pixels);

    // 0 the default pointer, 99 the pointerPicture picture, other numbers the system pointer of that
    // number (1 arrow, 2 cross, 3 text beam, 11 hourglass, 12 no drop, 13 arrow and hourglass,
    // 15 size all, 16 question arrow).
    int pointerShape() const { return m_mousePointer; }
    void setPointerShape(int pointer);
    QPixmap pointerPicture() const { return m_mouseIcon; }
    void setPointerPicture(const QPixmap &icon);

    // A button that switches something on and off shows whether it is on. A click does not switch
    // it: what the click does tells the button the new state.
    bool isCheckable() const { return m_checkable; }
    void setCheckable(bool on) { m_checkable = on; }
    bool isChecked() const { return m_checked; }
    void setChecked(bool on);

    // Clicks the button as the space key does.
    void click();

    bool hovering() const { return m_hovering; }
    bool borderShown() const { return m_borderShown; }
    bool sunken() const { return m_sunken; }

    void enterHover(bool fake);
    void leaveHover(bool fake);
    void showSunkenBorder();
    void showRaisedBorder();
    void refresh();
    void forceLeave() { leaveHover(true); }
    void showHoverBorder(bool fake);

    QSize sizeHint() const override;

    // Shows a command: a click triggers it, and the button is enabled while the command is.
    void setAction(QAction *action);
    // A second command, triggered by a click of the right mouse button.
    void setRightClickAction(QAction *action);

Q_SIGNALS:
    void clicked();
    void rightClicked();
    void doubleClicked();
    void mouseMoved(int button, int shift, double x, double y);
    void mouseReleased(int button, int shift, double x, double y);
    void hoverEntered();
    void hoverLeft();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void track(const QPoint &position, Qt::MouseButtons buttons, bool raiseMouseMove);
    void layOut();
    const FlatButtonLayout &measured() const;
    void applyPointer();

    QPixmap m_picture;
    QString m_text = QStringLiteral("Text");
    QColor m_backColor;
    QColor m_border1;
    QColor m_border2;
    QColor m_textColor;
    QColor m_mouseOverColor;
    QColor m_textMouseOverColor;
    bool m_autoSize = true;
    int m_mousePointer = 0;
    QPixmap m_mouseIcon;
    // The text's colour on a face of that colour (the palette's button face when not valid).
    QColor ink(const QColor &wanted, const QColor &face) const;

    mutable FlatButtonLayout m_layout;
    mutable bool m_textMeasured = false;

    bool m_checkable = false;
    bool m_checked = false;
    bool m_pressed = false;
    bool m_doubleClicked = false;
    // The last click was still being answered long after it was let go (it showed a window until
    // the person closed it): the next press is a press of its own, however soon it follows.
    bool m_clickAnsweredLate = false;
    bool m_hovering = false;
    bool m_latched = false;
    bool m_borderShown = false;
    bool m_sunken = false;
    bool m_hoverLook = false;
};
