// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryDelegate.h"

#include "EntryListModel.h"

void EntryDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(EntryListModel::OnEditListRole).toBool())
        option->palette.setColor(QPalette::Text, EditListText);
    if (index.data(EntryListModel::PlayingRole).toBool()) {
        if (m_playingLook == PlayingLook::Yellow) {
            option->backgroundBrush = PlayingYellow;
        } else {
            option->backgroundBrush = PlayingBlue;
            option->palette.setColor(QPalette::Text, Qt::white);
        }
    }
    if (index.data(EntryListModel::MenuTargetRole).toBool())
        option->backgroundBrush = MenuTargetBackground;
}
