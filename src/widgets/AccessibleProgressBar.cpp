// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AccessibleProgressBar.h"

#include "widgets/TextProgressBar.h"

AccessibleProgressBar::AccessibleProgressBar(TextProgressBar *bar)
    : QAccessibleWidget(bar, QAccessible::ProgressBar)
{
}

TextProgressBar *AccessibleProgressBar::bar() const
{
    return static_cast<TextProgressBar *>(widget());
}

void *AccessibleProgressBar::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleProgressBar::text(QAccessible::Text type) const
{
    const QString given = QAccessibleWidget::text(type);
    if (type != QAccessible::Name || !given.isEmpty())
        return given;
    return bar()->text();
}

QVariant AccessibleProgressBar::currentValue() const
{
    return bar()->percent();
}
