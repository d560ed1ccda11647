// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AccessibleFlatButton.h"

#include "widgets/FlatButton.h"

AccessibleFlatButton::AccessibleFlatButton(FlatButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

FlatButton *AccessibleFlatButton::button() const
{
    return static_cast<FlatButton *>(widget());
}

QAccessible::Role AccessibleFlatButton::role() const
{
    return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State AccessibleFlatButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = button()->isCheckable();
    state.checked = button()->isChecked();
    return state;
}

QString AccessibleFlatButton::text(QAccessible::Text type) const
{
    const QString given = QAccessibleWidget::text(type);
    if (type != QAccessible::Name || !given.isEmpty())
        return given;
    return button()->toolTip().isEmpty() ? button()->text() : button()->toolTip();
}

QStringList AccessibleFlatButton::actionNames() const
{
    if (!button()->isEnabled())
        return QAccessibleWidget::actionNames();
    const QString click = button()->isCheckable() ? toggleAction() : pressAction();
    return QStringList(click) + QAccessibleWidget::actionNames();
}

void AccessibleFlatButton::doAction(const QString &actionName)
{
    // Answered before it is done, as a push button's press is: the click may open a window that
    // waits for the person, while the screen reader waits for the answer.
    if (actionName == pressAction() || actionName == toggleAction())
        QMetaObject::invokeMethod(button(), &FlatButton::click, Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(actionName);
}
