// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>

// Starts, on threads of their own, what building and showing the first window would otherwise
// wait for: the system's font list and the application font's fallback families (kept for the
// whole program), the connection to the session bus that the accessibility bridge opens for the
// first widget, and the image format plugins, which Qt loads all at once the first time it reads a
// picture whose format it is not told outright, as it reads the icons of the first lists drawn.
// Make it right after the application object and let it go before that; it waits for its threads
// when it goes.
class StartupWarmUp
{
public:
    StartupWarmUp();
    ~StartupWarmUp();
    StartupWarmUp(const StartupWarmUp &) = delete;
    StartupWarmUp &operator=(const StartupWarmUp &) = delete;

private:
    QFuture<void> m_fonts;
    QFuture<void> m_bus;
    QFuture<void> m_imageFormats;
};
