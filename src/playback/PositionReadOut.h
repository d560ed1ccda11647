// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The read-out under the media view: position and length as hours, minutes and seconds.
namespace PositionReadOut {

// The whole seconds a clock shows for the milliseconds: the nearest whole, halves to even.
qint64 shownSeconds(qint64 milliseconds);
// Milliseconds to "hh:mm:ss", seconds taken to the nearest whole (halves to even); the hours
// grow past two digits when they must.
QString clock(qint64 milliseconds);
// "position / length".
QString text(qint64 position, qint64 length);

} // namespace PositionReadOut
