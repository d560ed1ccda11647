// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/SplitterGeometry.h"

#include <QWidget>

class Prompter;

// A container with a vertical bar the user drags left and right. It does not move what it holds:
// it reports the left and right panes in twips through panesResized and the host places its controls.
// The bar's position is kept as a percentage of the width (leftPercent).
class SplitterPane : public QWidget
{
    Q_OBJECT

public:
    explicit SplitterPane(QWidget *parent = nullptr);

    // Where the messages about out-of-range settings go; none shows nothing.
    void setPrompter(Prompter *prompter) { m_prompter = prompter; }

    int barWidth() const { return m_geometry.barWidth; }
    void setBarWidth(int pixels);
    int minSize() const { return m_geometry.minSize; }
    void setMinSize(int percent);
    void setRightMinimum(int pixels);
    int leftPercent() const { return m_defLeftProc; }
    void setLeftPercent(int percent);
    bool liveResize() const { return m_flySize; }
    void setLiveResize(bool on) { m_flySize = on; }

    int leftPos() const { return m_panes.leftPos; }
    int leftWidth() const { return m_panes.leftWidth; }
    int rightPos() const { return m_panes.rightPos; }
    int rightWidth() const { return m_panes.rightWidth; }

    void updateSize();
    void setLeftWidthTwips(int twips);
    int scaleWidth() const;

    // The bar's left edge in pixels, and the bar itself (for tests and hosts that style it).
    double barLeft() const { return m_barLeft; }
    QWidget *bar() const { return m_bar; }

Q_SIGNALS:
    void panesResized(int leftPos, int leftWidth, int rightPos, int rightWidth, int topPos, int bottomPos);
    void mousePressed(int button);
    void mouseReleased(int button);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SplitterGeometry geometry() const;
    void placeBar(double left);
    void setBarColour(const QColor &colour);
    void warn(const QString &text);

    Prompter *m_prompter = nullptr;
    QWidget *m_bar = nullptr;
    SplitterGeometry m_geometry;
    SplitterGeometry::Panes m_panes;
    int m_defLeftProc = 50;
    bool m_flySize = true;
    double m_barLeft = 0;
    bool m_dragging = false;
    double m_dragLeft = 0;
    double m_grabPointer = 0;
};
