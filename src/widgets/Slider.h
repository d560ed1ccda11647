// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/SliderRange.h"

#include <QPixmap>
#include <QWidget>

class QAction;
class QMenu;
class QPainter;

// The program's slider: a track with an optional centre line and background picture, and a knob
// that is dragged, clicked to, or stepped with the keypad's plus and minus, horizontally or
// vertically. Right-click offers a menu that sets the minimum, the middle or the maximum.
class Slider : public QWidget
{
    Q_OBJECT

public:
    enum Orientation
    {
        Horizontal = 0,
        Vertical = 1
    };

    explicit Slider(QWidget *parent = nullptr);

    int minimum() const { return m_range.minimum(); }
    void setMinimum(int min);
    int maximum() const { return m_range.maximum(); }
    void setMaximum(int max);
    int value() const { return m_range.value(); }
    // Stores the value; the knob moves and valueScrolled is raised unless a drag or track press is on.
    void setValue(int value);
    // Takes a value as a person's click on the track does: valueScrolled, then valueSettled.
    void chooseValue(int value);

    int direction() const { return m_direction; }
    void setDirection(int direction);
    bool centerLine() const { return m_centerLine; }
    void setCenterLine(bool on);
    QColor centerLineColor() const { return m_centerLineColor; }
    void setCenterLineColor(const QColor &color);
    bool sizeToKnob() const { return m_sizeToKnob; }
    void setSizeToKnob(bool on);
    bool menuEnabled() const { return m_menuEnabled; }
    void setMenuEnabled(bool on) { m_menuEnabled = on; }
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    QPixmap knobPicture() const { return m_customKnob; }
    void setKnobPicture(const QPixmap &picture);
    QColor backColor() const;
    void setBackColor(const QColor &color);

    void setMenuCaptions(const QString &minMenu, const QString &medMenu, const QString &maxMenu);
    void showSetMenu();

    // The knob's rectangle and the track length, in the control's pixels.
    QRect knobRect() const;
    double trackLength() const;
    // Built-in knob images: 11 × 21 pixels for a horizontal slider, 21 × 11 for a vertical one.
    static QPixmap builtInKnob(int direction, qreal devicePixelRatio);
    static void paintBuiltInKnob(QPainter &painter, const QPoint &topLeft, int direction);

    QSize sizeHint() const override;

Q_SIGNALS:
    void valueScrolled(int newValue);
    void valueSettled(int newValue);
    void mousePressed(int button, int shift, double x, double y);
    void mouseReleased(int button, int shift, double x, double y);
    // A property was set out of range and corrected; the text says what was wrong.
    void rangeError(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    QSize knobSize() const;
    double along(const QPointF &point) const;
    double scaleLength() const;
    void placeKnob();
    void announceValue();
    void moveKnobTo(double position);
    void takeValueFromKnob();
    void centreKnobOn(double point);
    void rightClick(const QMouseEvent *event);
    void report(const QString &error);
    void updateKnobImage();

    SliderRange m_range;
    int m_direction = Horizontal;
    bool m_centerLine = true;
    QColor m_centerLineColor = QColor(0x80, 0x80, 0x80);
    bool m_sizeToKnob = true;
    bool m_menuEnabled = true;
    QString m_caption;
    QPixmap m_picture;
    QPixmap m_customKnob;

    double m_knobPosition = 0;
    int m_announcedValue = 0;
    bool m_dragging = false;
    bool m_trackPress = false;
    double m_grabPosition = 0;
    double m_grabPointer = 0;

    QMenu *m_menu = nullptr;
    QAction *m_setToMin = nullptr;
    QAction *m_setToMid = nullptr;
    QAction *m_setToMax = nullptr;
};
