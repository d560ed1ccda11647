// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/AccessibleTitleStrip.h"

#include "mainwindow/TitleStrip.h"

AccessibleTitleStrip::AccessibleTitleStrip(TitleStrip *strip) : QAccessibleWidget(strip, QAccessible::Button)
{
}

QAccessibleInterface *AccessibleTitleStrip::create(const QString &className, QObject *object)
{
    if (className != QLatin1String(TitleStrip::staticMetaObject.className()))
        return nullptr;
    return new AccessibleTitleStrip(static_cast<TitleStrip *>(object));
}

TitleStrip *AccessibleTitleStrip::strip() const
{
    return static_cast<TitleStrip *>(widget());
}

QString AccessibleTitleStrip::text(QAccessible::Text type) const
{
    const QString given = QAccessibleWidget::text(type);
    return type == QAccessible::Name && given.isEmpty() ? strip()->caption() : given;
}

QStringList AccessibleTitleStrip::actionNames() const
{
    return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
}

void AccessibleTitleStrip::doAction(const QString &actionName)
{
    // Answered before it is done, as every press of the program's controls is.
    const Qt::MouseButton button = actionName == pressAction()      ? Qt::LeftButton
                                   : actionName == showMenuAction() ? Qt::RightButton
                                                                    : Qt::NoButton;
    if (button == Qt::NoButton)
        QAccessibleWidget::doAction(actionName);
    else
        QMetaObject::invokeMethod(
            strip(), [target = strip(), button] { target->click(button); }, Qt::QueuedConnection);
}
