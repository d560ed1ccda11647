// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The arithmetic of the splitter pane: where the bar stands for a percentage, how far it may be
// dragged, the percentage it stands at, and the pane sizes it reports in twips.
struct SplitterGeometry
{
    struct Panes
    {
        int leftPos = 0;
        int leftWidth = 0;
        int rightPos = 0;
        int rightWidth = 0;
        int topPos = 0;
        int bottomPos = 0;
    };

    double width = 0;  // W, pixels
    double height = 0; // H, pixels
    int barWidth = 4;  // B, pixels
    int minSize = 5;   // percent
    // Pixels the right pane keeps whatever the percentage, while the width leaves the left pane its
    // own minimum: a pane of controls that cannot shrink further.
    int rightMinimum = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;

    // The bar's left edge for a percentage, which names the bar's centre, left of the right pane's
    // minimum.
    double barLeftForPercent(int percent) const;
    double lowestLeft() const;
    double highestLeft() const;
    double clampDrag(double left) const;
    int percentAt(double left) const;
    static constexpr int MaxPercent = 99;
    // leftPercent as stored: at least minSize, at most MaxPercent.
    int clampPercent(int percent) const;
    Panes panes(double left) const;
    // The usable width in twips, (W − B) × twips per pixel.
    int scaleWidth() const;
};
