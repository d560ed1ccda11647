#pragma once

#include "SplitterGeometry.h"

#include <QWidget>

class Prompter;

// A container with a vertical bar the user drags left and right. It does not move what it holds:
// it reports the left and right panes in twips through NewSize and the host places its controls.
// The bar's position is kept as a percentage of the width (DefLeftProc).
class SplitterPane : public QWidget
{
    Q_OBJECT

public:
    explicit SplitterPane(QWidget *parent = nullptr);

    // Where the messages about out-of-range settings go; none shows nothing.
    void setPrompter(Prompter *prompter) { m_prompter = prompter; }

    int SplitterWidth() const { return m_geometry.barWidth; }
    void setSplitterWidth(int pixels);
    int MinSize() const { return m_geometry.minSize; }
    void setMinSize(int percent);
    int DefLeftProc() const { return m_defLeftProc; }
    void setDefLeftProc(int percent);
    bool FlySize() const { return m_flySize; }
    void setFlySize(bool on) { m_flySize = on; }

    int LeftPos() const { return m_panes.LeftPos; }
    int LeftWidth() const { return m_panes.LeftWidth; }
    int RightPos() const { return m_panes.RightPos; }
    int RightWidth() const { return m_panes.RightWidth; }

    void UpdateSize();
    void SetLeftWidthPx(int twips);
    int GetScaleWidth() const;

    // The bar's left edge in pixels, and the bar itself (for tests and hosts that style it).
    double barLeft() const { return m_barLeft; }
    QWidget *bar() const { return m_bar; }

Q_SIGNALS:
    void NewSize(int LeftPos, int LeftWidth, int RightPos, int RightWidth, int TopPos, int ButtomPos);
    void MouseDown(int button);
    void MouseUp(int button);

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
