// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidgetItem>

class FileIconProvider;

// A folder of the tree: its icon comes from the icon list when the item is first drawn.
class FolderTreeItem : public QTreeWidgetItem
{
public:
    FolderTreeItem(QTreeWidgetItem *parent, const FileIconProvider *icons, int iconIndex);
    FolderTreeItem(QTreeWidget *parent, const FileIconProvider *icons, int iconIndex);

    void setIconSource(const FileIconProvider *icons, int iconIndex);
    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant &value) override;

    // The width the tree's delegate asked for this item while the tree looked as `look` numbers it;
    // -1 when the item has not been measured since its data or the tree's look changed.
    int measuredWidth(int look) const { return m_measuredLook == look ? m_measuredWidth : -1; }
    void rememberWidth(int look, int width) const;

private:
    const FileIconProvider *m_icons;
    int m_iconIndex;
    mutable int m_measuredLook = -1;
    mutable int m_measuredWidth = -1;
};
