#include "Rounding.h"

#include <cmath>
#include <limits>

namespace Rounding {

int halfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // Rounds halves to even however the caller left the floating-point rounding mode.
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded = floor + 1.0;
    if (rounded >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(rounded);
}

} // namespace Rounding
