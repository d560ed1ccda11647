// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

// The delegate of the file lists and the folder tree. The usual entry (an icon left of one line of
// text that fits, neither selected nor focused) it draws itself, with its text laid out once: the
// style lays the text out once to place it and again to draw it, which made the text of the first
// screenful the largest cost of the window's first paint. It draws the same pixels as the style;
// every other entry the style draws.
class PlainItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    // Draws the entry when it is a usual one; false, having drawn nothing, otherwise.
    static bool paintPlainly(QPainter *painter, const QStyleOptionViewItem &option);
};
