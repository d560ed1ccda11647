#include "Twips.h"

#include "Rounding.h"

namespace Twips {

int toPixels(double twips)
{
    return Rounding::halfEven(twips / PerPixel);
}

double fromPixels(int pixels)
{
    return double(pixels) * PerPixel;
}

} // namespace Twips
