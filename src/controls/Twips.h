#pragma once

// Window geometry is kept in twips: 1440 per inch, so 15 twips to one logical pixel at 96 dots
// per inch. Logical pixels already carry the screen's scale factor, so the factor stays 15.
namespace Twips {

inline constexpr int PerPixel = 15;

int toPixels(double twips);
double fromPixels(int pixels);

} // namespace Twips
