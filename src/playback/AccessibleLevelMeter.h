// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>

class LevelMeterPicture;

// The level meter as assistive technology sees it: a bar named "Level" whose value is the louder
// side in percent, and whose value text gives both sides. Its changes are not announced: they come
// twenty times a second.
class AccessibleLevelMeter : public QAccessibleWidget, public QAccessibleValueInterface
{
    Q_DECLARE_TR_FUNCTIONS(AccessibleLevelMeter)

public:
    explicit AccessibleLevelMeter(LevelMeterPicture *meter);

    // For QAccessible::installFactory: the interface of a level meter, nothing for other classes.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override;

private:
    int percent(int bar) const;
};
