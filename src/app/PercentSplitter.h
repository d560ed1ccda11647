#pragma once

#include <QSplitter>

// A two-pane splitter whose bar position is a percentage of its width (DefLeftProc), kept when the
// splitter is resized. FlySize chooses between live resizing and placing the panes on release.
class PercentSplitter : public QSplitter
{
    Q_OBJECT

public:
    static constexpr int DefaultMinSize = 5;

    explicit PercentSplitter(QWidget *parent = nullptr);

    int DefLeftProc() const { return m_defLeftProc; }
    // Clamped to MinSize .. 99.
    void setDefLeftProc(int percent);

    int MinSize() const { return m_minSize; }

    bool FlySize() const { return opaqueResize(); }
    void setFlySize(bool on) { setOpaqueResize(on); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyPercent();
    void takePercentFromBar();

    int m_defLeftProc = 50;
    int m_minSize = DefaultMinSize;
};
