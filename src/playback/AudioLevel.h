// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Sound levels for a level meter: 0 for silence (60 dB below full scale or less, or no figure at
// all), 1 for full scale, evenly spaced in decibels between.
namespace AudioLevel {

double fromDecibels(const QString &decibels);

} // namespace AudioLevel
