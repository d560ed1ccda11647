// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowSystem.h"

#include <QGuiApplication>
#include <QWidget>

namespace WindowSystem {

bool programArrangesWindows(QStringView platformName)
{
    // "wayland" and the names of its variants, such as "wayland-egl".
    return !platformName.startsWith(QLatin1String("wayland"));
}

bool programArrangesWindows()
{
    return programArrangesWindows(QGuiApplication::platformName());
}

void bringForward(QWidget &window)
{
    window.raise();
    if (programArrangesWindows())
        window.activateWindow();
}

} // namespace WindowSystem
