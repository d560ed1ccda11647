// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Window geometry is kept in twips: 1440 per inch, so 15 twips to one logical pixel at 96 dots
// per inch. Logical pixels already carry the screen's scale factor, so the factor stays 15.
class QPaintDevice;

namespace Twips {

inline constexpr int PerPixel = 15;

int toPixels(double twips);
double fromPixels(int pixels);

// Twips per pixel of a device from its logical resolution: 1440 / dots per inch, 15 at 96.
double perPixelX(const QPaintDevice &device);
double perPixelY(const QPaintDevice &device);

} // namespace Twips
