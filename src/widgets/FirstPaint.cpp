// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
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
    // The update request is when the window and everything in it is painted and put on screen;
    // a zero timer runs once that and the events queued meanwhile are done.
    if (event->type() == QEvent::UpdateRequest) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            std::exchange(m_work, {})();
            deleteLater();
        });
    }
    return QObject::eventFilter(watched, event);
}
