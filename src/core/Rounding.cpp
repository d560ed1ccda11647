// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Rounding.h"

#include <cmath>
#include <limits>

namespace Rounding {

namespace {

// Rounds halves to even however the caller left the floating-point rounding mode.
double roundedHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        return floor + 1.0;
    return floor;
}

template <typename Integer> Integer saturated(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = roundedHalfEven(value);
    if (rounded >= double(std::numeric_limits<Integer>::max()))
        return std::numeric_limits<Integer>::max();
    if (rounded <= double(std::numeric_limits<Integer>::min()))
        return std::numeric_limits<Integer>::min();
    return Integer(rounded);
}

} // namespace

int halfEven(double value)
{
    return saturated<int>(value);
}

long long halfEven64(double value)
{
    return saturated<long long>(value);
}

} // namespace Rounding
