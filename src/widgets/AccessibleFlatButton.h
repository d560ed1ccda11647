// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class FlatButton;

// The graphic button as assistive technology sees it: a push button, or a check box where the button
// switches something on and off, named by its tooltip when it has no name of its own.
class AccessibleFlatButton : public QAccessibleWidget
{
public:
    explicit AccessibleFlatButton(FlatButton *button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    FlatButton *button() const;
};
