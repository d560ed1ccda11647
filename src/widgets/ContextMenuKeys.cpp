// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ContextMenuKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

bool ContextMenuKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
        return false;
    // The key press reaches the focused widget first; the menu opens where the menu key opens it, at
    // the text cursor or else in the widget's middle.
    auto *widget = static_cast<QWidget *>(watched);
    const QPoint at = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at), Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &menu);
    return true;
}
