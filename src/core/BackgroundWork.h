// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Long work done off the window's thread: the caller waits, but the window's events keep being
// handled meanwhile (repaints, the progress of other work). The work must not touch widgets.
namespace BackgroundWork {

void run(const std::function<void()> &work);

} // namespace BackgroundWork
