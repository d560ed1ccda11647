// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/AccessibleLevelMeter.h"

#include "playback/LevelMeterPicture.h"

AccessibleLevelMeter::AccessibleLevelMeter(LevelMeterPicture *meter)
    : QAccessibleWidget(meter, QAccessible::ProgressBar)
{
}

QAccessibleInterface *AccessibleLevelMeter::create(const QString &className, QObject *object)
{
    if (className != QLatin1String(LevelMeterPicture::staticMetaObject.className()))
        return nullptr;
    return new AccessibleLevelMeter(static_cast<LevelMeterPicture *>(object));
}

void *AccessibleLevelMeter::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

int AccessibleLevelMeter::percent(int bar) const
{
    return static_cast<LevelMeterPicture *>(widget())->lit(bar) * 100 / LevelMeterPicture::Segments;
}

QString AccessibleLevelMeter::text(QAccessible::Text type) const
{
    const QString given = QAccessibleWidget::text(type);
    if (!given.isEmpty())
        return given;
    if (type == QAccessible::Name)
        return tr("Level");
    if (type == QAccessible::Value)
        return tr("left %1%, right %2%").arg(percent(0)).arg(percent(1));
    return given;
}

QVariant AccessibleLevelMeter::currentValue() const
{
    return qMax(percent(0), percent(1));
}

QVariant AccessibleLevelMeter::minimumStepSize() const
{
    return 100 / LevelMeterPicture::Segments;
}
