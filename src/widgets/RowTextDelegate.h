// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

// Draws the rows of a list or a tree as the style does, with their text laid out once. The style
// lays a row's text out again for each part of the row it places (check, icon, text, focus frame)
// and again to draw it: four or five text layouts for every row, a third of the first paint of a
// window with long lists. Rows whose text takes more than one line, or that show their selection on the
// text alone, are left to the style.
class RowTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

protected:
    // Draws a row from its option, made ready by initStyleOption, with the option's text.
    void paintRow(QPainter *painter, const QStyleOptionViewItem &row) const;
};
