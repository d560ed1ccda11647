// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Rounding {

// Rounds to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4), and
// saturates at the limits of int.
int halfEven(double value);
// The same for 64-bit results.
long long halfEven64(double value);

} // namespace Rounding
