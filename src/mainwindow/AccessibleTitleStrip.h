// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class TitleStrip;

// A panel's title strip as assistive technology sees it: a push button named by its caption, whose
// press gives the panel the most room as a click does and whose menu arranges the panels.
class AccessibleTitleStrip : public QAccessibleWidget
{
public:
    explicit AccessibleTitleStrip(TitleStrip *strip);

    // For QAccessible::installFactory: the interface of a title strip, nothing for other classes.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QString text(QAccessible::Text type) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    TitleStrip *strip() const;
};
