// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Twips.h"

#include "core/Rounding.h"

#include <QPaintDevice>

namespace Twips {

int toPixels(double twips)
{
    return Rounding::halfEven(twips / PerPixel);
}

double fromPixels(int pixels)
{
    return double(pixels) * PerPixel;
}

double perPixelX(const QPaintDevice &device)
{
    const int dpi = device.logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : PerPixel;
}

double perPixelY(const QPaintDevice &device)
{
    const int dpi = device.logicalDpiY();
    return dpi > 0 ? 1440.0 / dpi : PerPixel;
}

} // namespace Twips
