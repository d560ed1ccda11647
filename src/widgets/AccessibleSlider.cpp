// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AccessibleSlider.h"

#include "widgets/Slider.h"

AccessibleSlider::AccessibleSlider(Slider *slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

Slider *AccessibleSlider::slider() const
{
    return static_cast<Slider *>(widget());
}

void *AccessibleSlider::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleSlider::text(QAccessible::Text type) const
{
    const QString given = QAccessibleWidget::text(type);
    // The caption is the slider's tooltip.
    return type == QAccessible::Name && given.isEmpty() ? slider()->caption() : given;
}

QVariant AccessibleSlider::currentValue() const
{
    return slider()->value();
}

void AccessibleSlider::setCurrentValue(const QVariant &value)
{
    // A person cannot move a disabled slider either.
    if (slider()->isEnabled())
        slider()->chooseValue(value.toInt());
}

QVariant AccessibleSlider::maximumValue() const
{
    return slider()->maximum();
}

QVariant AccessibleSlider::minimumValue() const
{
    return slider()->minimum();
}

QVariant AccessibleSlider::minimumStepSize() const
{
    return 1;
}
