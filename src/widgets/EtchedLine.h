// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// An etched separator: a dark line and a light one beside it, horizontal or vertical by the
// control's shape. A control no wider than it is high is vertical.
class EtchedLine : public QWidget
{
    Q_OBJECT

public:
    // Thickness of the separator: 30 twips, two lines one pixel apart.
    static constexpr int ThicknessTwips = 30;

    explicit EtchedLine(QWidget *parent = nullptr);

    QColor shadeColor() const { return m_color1; }
    void setShadeColor(const QColor &color);
    QColor lightColor() const { return m_color2; }
    void setLightColor(const QColor &color);
    bool vertical() const { return m_vertical; }
    // Lays the control out as a horizontal or a vertical line; the thickness is fixed.
    void setVertical(bool vertical);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_color1 = QColor(0x80, 0x80, 0x80);
    QColor m_color2 = Qt::white;
    bool m_vertical = false;
};
