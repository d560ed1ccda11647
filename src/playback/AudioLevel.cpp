// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/AudioLevel.h"

#include <QString>

namespace AudioLevel {

namespace {

constexpr double Floor = -60.0;

} // namespace

double fromDecibels(const QString &decibels)
{
    bool ok = false;
    const double value = decibels.trimmed().toDouble(&ok);
    // "-inf" and "nan" read as no number.
    if (!ok || !(value > Floor))
        return 0.0;
    return value >= 0.0 ? 1.0 : (value - Floor) / -Floor;
}

} // namespace AudioLevel
