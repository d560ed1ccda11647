// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowGeometry.h"

#include "Twips.h"

namespace WindowGeometry {

QRect restore(const Stored &stored, const QSize &current, const QRect &screen)
{
    const double screenWidth = Twips::fromPixels(screen.width());
    const double screenHeight = Twips::fromPixels(screen.height());
    const double currentWidth = Twips::fromPixels(current.width());
    const double currentHeight = Twips::fromPixels(current.height());

    double left = stored.left.value_or((screenWidth - currentWidth) / 2);
    double top = stored.top.value_or((screenHeight - currentHeight) / 2);
    double width = stored.width.value_or(DesignWidthTwips);
    const double height = stored.height.value_or(DesignHeightTwips);

    if (width > screenWidth)
        width = screenWidth / 1.5;
    if (left + width > screenWidth)
        left = screenWidth - width;
    if (top > screenHeight)
        top = screenHeight - currentHeight;

    return {screen.x() + Twips::toPixels(left), screen.y() + Twips::toPixels(top), Twips::toPixels(width),
            Twips::toPixels(height)};
}

} // namespace WindowGeometry
