// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// The numbers the controls' mouse events carry: buttons 1 left, 2 right, 4 middle; shift state
// 1 Shift, 2 Ctrl, 4 Alt, added together.
namespace MouseCodes {

int button(Qt::MouseButton button);
int shift(Qt::KeyboardModifiers modifiers);

} // namespace MouseCodes
