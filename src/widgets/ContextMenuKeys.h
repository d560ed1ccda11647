// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Shift+F10 opens the context menu wherever the menu key does. The window system turns the menu key
// into a keyboard context menu event for the focused widget, but not Shift+F10: installed on the
// application, this sends the same event for it.
class ContextMenuKeys : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
