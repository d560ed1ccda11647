// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

class QWidget;

// What the window system lets a program do with its own top-level windows. Under X11 a program
// places its windows and reads where they are, and raises, activates and restores them; a Wayland
// compositor keeps all of that to itself, and Qt answers such requests there with warnings or not
// at all.
namespace WindowSystem {

// Whether the Qt platform of that name (as QGuiApplication::platformName() gives it) lets a
// program arrange its own windows.
bool programArrangesWindows(QStringView platformName);

// The same for the platform this program runs on.
bool programArrangesWindows();

// Raises the window and makes it the active one where the program may; elsewhere the window
// system decides which window has the focus.
void bringForward(QWidget &window);

} // namespace WindowSystem
