// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/PositionReadOut.h"

#include "core/Rounding.h"

namespace PositionReadOut {

qint64 shownSeconds(qint64 milliseconds)
{
    return qMax(0LL, Rounding::halfEven64(double(milliseconds) / 1000.0));
}

QString clock(qint64 milliseconds)
{
    const long long total = shownSeconds(milliseconds);
    const long long seconds = total % 60;
    const long long minutes = (total / 60) % 60;
    const long long hours = total / 3600;
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}

QString text(qint64 position, qint64 length)
{
    return clock(position) + QLatin1String(" / ") + clock(length);
}

} // namespace PositionReadOut
