// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/EntryDelegate.h"

#include "browse/EntryListModel.h"

QColor EntryDelegate::jobStateText(int state)
{
    switch (ListEntry::JobState(state)) {
    case ListEntry::JobState::Processed:
        return {0, 128, 0};
    case ListEntry::JobState::Skipped:
        return {192, 0, 192};
    case ListEntry::JobState::SkippedWithError:
        return {255, 0, 0};
    case ListEntry::JobState::Normal:
        break;
    }
    return {0, 0, 0};
}

void EntryDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (const int state = index.data(EntryListModel::JobStateRole).toInt();
        state != int(ListEntry::JobState::Normal))
        option->palette.setColor(QPalette::Text, jobStateText(state));
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
