// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <optional>

// Where the main window goes at start-up, from the rectangle stored in twips.
namespace WindowGeometry {

inline constexpr double DesignWidthTwips = 11295;
inline constexpr double DesignHeightTwips = 6780;

struct Stored
{
    std::optional<double> left;
    std::optional<double> top;
    std::optional<double> width;
    std::optional<double> height;
};

// A missing left or top centres the window at its current size; a missing width or height takes
// the designed size. A window wider than the screen takes two thirds of it, one reaching past the
// right edge moves left, and one starting below the screen moves up.
QRect restore(const Stored &stored, const QSize &current, const QRect &screen);

} // namespace WindowGeometry
