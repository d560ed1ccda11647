// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// For the start-up benchmark: once the window has painted itself for the first time and the
// events waiting behind that paint have been handled, prints "startup-probe" and the wall-clock
// time in nanoseconds, and ends the process at once.
namespace StartupProbe {

void watch(QWidget &window);

} // namespace StartupProbe
