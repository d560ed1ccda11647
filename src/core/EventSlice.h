// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Long loops let window events run after at most this many milliseconds of work, so that a
// Cancel button and repaints stay live while the loop stays fast.
inline constexpr int EventSliceMs = 15;
