// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Draws the entries of a file list: entries on the EditList in blue, the entry a file menu is open
// on on a green background.
class EntryDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static inline const QColor EditListText{0, 0, 255};
    static inline const QColor MenuTargetBackground{0, 255, 0};

    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
