// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How often a long run reports its progress (a busy pointer, a bar): often enough to look live,
// seldom enough to cost nothing.
inline constexpr int ProgressIntervalMs = 15;
