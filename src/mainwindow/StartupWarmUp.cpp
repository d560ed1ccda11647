// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/StartupWarmUp.h"

#include <QBuffer>
#include <QDBusConnection>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QtConcurrentRun>

StartupWarmUp::StartupWarmUp()
    : m_fonts(QtConcurrent::run([font = QGuiApplication::font()] {
          // The font engine made here stays with this thread; the font list and the fallback
          // families it takes to make it are shared by all threads.
          QFontMetrics(font).height();
      })),
      // Connecting waits for the bus, or for the attempt to start one to fail; the connection is
      // shared, so the window finds it made.
      m_bus(QtConcurrent::run([] { QDBusConnection::sessionBus(); })),
      // Asked whether it reads PNG, Qt asks every plugin before its own reader answers.
      m_imageFormats(QtConcurrent::run([] {
          QBuffer empty;
          empty.open(QIODevice::ReadOnly);
          QImageReader(&empty, "png").canRead();
      }))
{
}

StartupWarmUp::~StartupWarmUp()
{
    m_fonts.waitForFinished();
    m_bus.waitForFinished();
    m_imageFormats.waitForFinished();
}
