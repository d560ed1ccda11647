// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/StartupWarmUp.h"

#include "core/PoolTask.h"

#include <QDBusConnection>
#include <QFontMetrics>
#include <QGuiApplication>

StartupWarmUp::StartupWarmUp()
    : m_fonts(startInPool([font = QGuiApplication::font()] {
          // The font engine made here stays with this thread; the font list and the fallback
          // families it takes to make it are shared by all threads.
          QFontMetrics(font).height();
      })),
      // Connecting waits for the bus, or for the attempt to start one to fail; the connection is
      // shared, so the window finds it made.
      m_bus(startInPool([] { QDBusConnection::sessionBus(); }))
{
}

StartupWarmUp::~StartupWarmUp()
{
    m_fonts.wait();
    m_bus.wait();
}
