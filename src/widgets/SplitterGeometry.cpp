// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SplitterGeometry.h"

#include "core/Rounding.h"

#include <limits>

namespace {

// The figures travel as 16-bit integers.
int toShort(double value)
{
    return qBound(int(std::numeric_limits<qint16>::min()), Rounding::halfEven(value),
                  int(std::numeric_limits<qint16>::max()));
}

} // namespace

double SplitterGeometry::barLeftForPercent(int percent) const
{
    const double left = width / 100 * percent - barWidth / 2.0;
    return rightMinimum > 0 ? qMin(left, qMax(lowestLeft(), width - rightMinimum - barWidth)) : left;
}

double SplitterGeometry::lowestLeft() const
{
    return width * minSize / 100 - barWidth / 2.0;
}

double SplitterGeometry::highestLeft() const
{
    const double highest = width - Rounding::halfEven(width * minSize / 100 + barWidth / 2.0);
    return rightMinimum > 0 ? qMin(highest, qMax(lowestLeft(), width - rightMinimum - barWidth)) : highest;
}

double SplitterGeometry::clampDrag(double left) const
{
    if (left <= lowestLeft())
        return lowestLeft();
    if (left >= highestLeft())
        return highestLeft();
    return left;
}

int SplitterGeometry::percentAt(double left) const
{
    return width > 0 ? Rounding::halfEven(left / (width / 100)) : minSize;
}

int SplitterGeometry::clampPercent(int percent) const
{
    return qBound(minSize, percent, MaxPercent);
}

SplitterGeometry::Panes SplitterGeometry::panes(double left) const
{
    Panes result;
    result.leftWidth = toShort(left * twipsPerPixelX);
    result.rightPos = toShort((left + barWidth) * twipsPerPixelX);
    result.rightWidth = toShort((width - (left + barWidth)) * twipsPerPixelX);
    result.bottomPos = toShort(height * twipsPerPixelY);
    return result;
}

int SplitterGeometry::scaleWidth() const
{
    return toShort((width - barWidth) * twipsPerPixelX);
}
