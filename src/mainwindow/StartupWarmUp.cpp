// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupWarmUp.h"

#include <QDBusConnection>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QThreadPool>
#include <memory>

namespace {

// Runs the work on the application's thread pool, which also draws large fills of the window
// across its threads: the pool's threads are started here rather than in the first paint.
std::future<void> startInPool(std::function<void()> work)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> result = done->get_future();
    QThreadPool::globalInstance()->start([done, work = std::move(work)] {
        work();
        done->set_value();
    });
    return result;
}

} // namespace

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
