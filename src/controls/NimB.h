#pragma once

#include "NimBLayout.h"

#include <QPixmap>
#include <QWidget>

// A flat push button showing a picture, a text or both. Its 3D border shows only while the mouse
// is over it: raised when hovering, sunken while the left button is held; hovering also switches
// the background and text colours. It holds the mouse while hovered, so that leaving it quickly
// is still noticed.
class NimB : public QWidget
{
    Q_OBJECT

public:
    explicit NimB(QWidget *parent = nullptr);

    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &color);
    QColor Border1Color() const { return m_border1; }
    void setBorder1Color(const QColor &color);
    QColor Border2Color() const { return m_border2; }
    void setBorder2Color(const QColor &color);
    bool AutoSizeButton() const { return m_autoSize; }
    void setAutoSizeButton(bool on);
    int BorderSize() const { return m_layout.borderSize; }
    void setBorderSize(int pixels);
    QString Text() const { return m_text; }
    void setText(const QString &text);
    QColor TextColor() const { return m_textColor; }
    void setTextColor(const QColor &color);
    QFont TextFont() const { return font(); }
    void setTextFont(const QFont &textFont);
    int BorderSpace() const { return m_layout.borderSpace; }
    void setBorderSpace(int pixels);
    QColor MouseOverColor() const { return m_mouseOverColor; }
    void setMouseOverColor(const QColor &color);
    QColor TextMouseOverColor() const { return m_textMouseOverColor; }
    void setTextMouseOverColor(const QColor &color);
    int AlignText() const { return m_layout.alignText; }
    void setAlignText(int align);
    int PictureToTextSpace() const { return m_layout.pictureToTextSpace; }
    void setPictureToTextSpace(int pixels);
    int PictureTab() const { return m_layout.pictureTab; }
    void setPictureTab(int pixels);

    // 0 the default pointer, 99 the MouseIcon picture, other numbers the system pointer of that
    // number (1 arrow, 2 cross, 3 text beam, 11 hourglass, 12 no drop, 13 arrow and hourglass,
    // 15 size all, 16 question arrow).
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    QPixmap MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QPixmap &icon);

    bool hovering() const { return m_hovering; }
    bool borderShown() const { return m_borderShown; }
    bool sunken() const { return m_sunken; }

    void MouseOver(bool fake);
    void MouseOut(bool fake);
    void ShinkBorder();
    void RaiseBorder();
    void Refresh();
    void ForceMouseOut() { MouseOut(true); }
    void fakeraiseborder(bool fake);

    QSize sizeHint() const override;

Q_SIGNALS:
    void Click();
    void DblClick();
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void xMouseOver();
    void xMouseOut();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void track(const QPoint &position, Qt::MouseButtons buttons, bool raiseMouseMove);
    void layOut();
    QSize textSize() const;
    void applyPointer();

    QPixmap m_picture;
    QString m_text = QStringLiteral("Text");
    QColor m_backColor;
    QColor m_border1 = Qt::white;
    QColor m_border2 = Qt::black;
    QColor m_textColor = Qt::black;
    QColor m_mouseOverColor;
    QColor m_textMouseOverColor = Qt::black;
    bool m_autoSize = true;
    int m_mousePointer = 0;
    QPixmap m_mouseIcon;
    NimBLayout m_layout;

    bool m_pressed = false;
    bool m_hovering = false;
    bool m_latched = false;
    bool m_borderShown = false;
    bool m_sunken = false;
    bool m_hoverLook = false;
};
