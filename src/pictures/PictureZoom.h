// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>

// Where the full-screen viewer draws a picture and how large: fitted to the screen (scaled down
// whole, never enlarged, centred), at its own size centred, or zoomed in steps about a point that
// stays where it is, and moved by the user. A fitted picture is fitted again when the screen changes.
// One larger than the screen is panned in steps, no further than where its edge meets the screen's.
class PictureZoom
{
public:
    // One step of + or - and of the wheel.
    static constexpr double StepFactor = 1.25;
    static constexpr double SmallestScale = 0.01;
    static constexpr double LargestScale = 16.0;

    // A new picture, fitted when fitLarge is on (a smaller one stays at its own size), otherwise
    // at its own size.
    void setPicture(const QSize &natural, bool fitLarge);
    void setView(const QSize &view);

    void fit();
    void showNaturalSize();
    // Steps larger (positive) or smaller (negative); the point of the picture under anchor stays.
    void zoom(int steps, const QPointF &anchor);
    void moveTo(const QPointF &origin);
    // Whether the picture is wider (or taller) than the view, so that it can be panned that way.
    bool overflows(Qt::Orientation orientation) const;
    // Shows more of the picture towards the left or top (negative) or the right or bottom
    // (positive), a tenth of the view a step.
    void pan(Qt::Orientation orientation, int steps);

    QRectF area() const;
    // The whole picture is on the screen.
    bool fits() const { return !overflows(Qt::Horizontal) && !overflows(Qt::Vertical); }
    double scale() const { return m_scale; }
    // The scale in whole percent.
    int percent() const;

private:
    enum class Mode
    {
        Fitted,
        Natural,
        Zoomed,
    };
    void centre();

    QSize m_natural;
    QSize m_view;
    Mode m_mode = Mode::Natural;
    double m_scale = 1.0;
    QPointF m_origin;
    QSize m_fittedSize;
};
