// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

// The level meter shown over the media view while a sound plays, drawn in code so that it is sharp
// at any size: two bars at the view's sides, the picture beneath seen between them. It shows the
// levels the player reports; a bar falls back slowly, as a meter's does.
class LevelMeterPicture : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Segments = 20;

    using QWidget::QWidget;

    // Sounds get the picture: names ending in ".mp3", ".wav", ".voc" or ".mid", in any case.
    static bool isShownFor(const QString &path);
    // How many segments of a bar a level from 0 to 1 lights.
    static int litSegments(double level);

    // Levels from 0 to 1; a bar rises at once and falls at most a segment at a time.
    void setLevels(double left, double right);
    int lit(int bar) const { return m_lit[bar]; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    static constexpr int Bars = 2;

    // Where the bars stand, for the widget's size and font.
    struct Layout
    {
        QFont font;
        double label = 0;
        double margin = 0;
        double barWidth = 0;
        double top = 0;
        double bottom = 0;

        double barLeft(int bar, double width) const;
        // A bar with its backing and its label.
        QRectF area(int bar, double width) const;
    };
    // Measured once for a size and font: the levels come twenty times a second.
    const Layout &layout() const;

    int m_lit[Bars] = {0, 0};
    mutable std::optional<Layout> m_layout;
};
