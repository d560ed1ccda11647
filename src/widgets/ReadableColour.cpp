// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ReadableColour.h"

#include <cmath>

namespace ReadableColour {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double contrast(const QColor &first, const QColor &second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor on(const QColor &background, const QColor &wanted, double least)
{
    if (contrast(background, wanted) >= least)
        return wanted;
    // Black or white reads best on any background; the shade goes towards the better of them.
    const bool darker = contrast(background, Qt::black) >= contrast(background, Qt::white);
    const QColor hsl = wanted.toHsl();
    const int from = hsl.lightness();
    for (int step = 1; step <= 255; ++step) {
        const int lightness = darker ? from - step : from + step;
        if (lightness < 0 || lightness > 255)
            break;
        const QColor shade = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness);
        if (contrast(background, shade) >= least)
            return shade;
    }
    return darker ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace ReadableColour
