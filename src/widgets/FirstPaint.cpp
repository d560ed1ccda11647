// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

FirstPaint::FirstPaint(QWidget &window, std::function<void()> work)
    : QObject(&window), m_work(std::move(work))
{
}

void FirstPaint::then(QWidget &window, std::function<void()> work)
{
    window.installEventFilter(new FirstPaint(window, std::move(work)));
}

bool FirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    // The window and everything in it are painted and put on screen when it is first painted, or
    // at an update request once it is on screen: one before, while a window manager has yet to
    // show the window, paints nothing. A zero timer runs once that paint and the events queued
    // meanwhile are done.
    const QWindow *handle = static_cast<QWidget *>(watched)->windowHandle();
    if (event->type() == QEvent::Paint ||
        (event->type() == QEvent::UpdateRequest && handle && handle->isExposed())) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            std::exchange(m_work, {})();
            deleteLater();
        });
    }
    return QObject::eventFilter(watched, event);
}
