// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AccessibleScrollingText.h"

#include "widgets/ScrollingText.h"

AccessibleScrollingText::AccessibleScrollingText(ScrollingText *text)
    : QAccessibleWidget(text, QAccessible::StaticText)
{
}

QString AccessibleScrollingText::text(QAccessible::Text type) const
{
    const QString given = QAccessibleWidget::text(type);
    if (type != QAccessible::Name || !given.isEmpty())
        return given;
    return static_cast<ScrollingText *>(widget())->text();
}
