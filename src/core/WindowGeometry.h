// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
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

// The window goes on the screen nearest its stored position (the first screen when there is no
// position), entirely on that screen. A missing left or top centres it; a missing width or
// height takes three quarters of the screen's; a side longer than the screen's takes two thirds.
QRect restore(const Stored &stored, const QList<QRect> &screens);

} // namespace WindowGeometry
