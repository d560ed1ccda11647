// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The read-out under the media view: position and length as hours, minutes and seconds.
namespace PositionReadOut {

// Milliseconds to "hh:mm:ss", seconds taken to the nearest whole (halves to even); the hours
// grow past two digits when they must.
QString clock(qint64 milliseconds);
// "position / length".
QString text(qint64 position, qint64 length);

} // namespace PositionReadOut
