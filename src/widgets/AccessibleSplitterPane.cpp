// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AccessibleSplitterPane.h"

#include "widgets/SplitterPane.h"

AccessibleSplitterPane::AccessibleSplitterPane(SplitterPane *pane)
    : QAccessibleWidget(pane, QAccessible::Splitter)
{
}

SplitterPane *AccessibleSplitterPane::pane() const
{
    return static_cast<SplitterPane *>(widget());
}

void *AccessibleSplitterPane::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant AccessibleSplitterPane::currentValue() const
{
    return pane()->leftPercent();
}

void AccessibleSplitterPane::setCurrentValue(const QVariant &value)
{
    pane()->setLeftPercent(value.toInt());
}

QVariant AccessibleSplitterPane::maximumValue() const
{
    return SplitterGeometry::MaxPercent;
}

QVariant AccessibleSplitterPane::minimumValue() const
{
    return pane()->minSize();
}

QVariant AccessibleSplitterPane::minimumStepSize() const
{
    return 1;
}
