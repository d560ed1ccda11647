// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class SplitterPane;

// The splitter pane as assistive technology sees it: a splitter whose value is where its bar stands,
// in percent of the width, and which moves the bar when the value is set.
class AccessibleSplitterPane : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleSplitterPane(SplitterPane *pane);

    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    // Placed as a drag of the bar places it when it is let go.
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    SplitterPane *pane() const;
};
