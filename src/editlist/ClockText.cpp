// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/ClockText.h"

#include "core/Rounding.h"

namespace {

// The smallest integer not below x, reached the way the clock has always computed it: from x
// rounded halves-to-even, stepping up by tenths.
double up(double x)
{
    double t = Rounding::halfEven(x);
    while (x > Rounding::halfEven(t))
        t += 0.1;
    return Rounding::halfEven(t);
}

QString twoDigits(double value)
{
    return QStringLiteral("%1").arg(qint64(value), 2, 10, QLatin1Char('0'));
}

} // namespace

QString clockText(double seconds)
{
    if (!(seconds >= 1))
        return QStringLiteral("00:00:00");
    // Estimates beyond 100,000 hours are capped rather than overflowing the arithmetic.
    if (seconds > 3.6e8)
        seconds = 3.6e8;
    const double hours = up(seconds / 60 / 60 - 1);
    const double minutes = up(seconds / 60 - 1) - hours * 60;
    const double secs = up(seconds - 1) - (minutes * 60 + hours * 60 * 60);
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':') + twoDigits(secs);
}
