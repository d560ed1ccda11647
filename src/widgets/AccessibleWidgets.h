// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

// The accessible interfaces of the program's own controls, for QAccessible::installFactory: each
// control gets its role, name, value and actions; nothing for a class that is not one of them.
QAccessibleInterface *accessibleWidget(const QString &className, QObject *object);
