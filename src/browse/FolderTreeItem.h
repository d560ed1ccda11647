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

private:
    const FileIconProvider *m_icons;
    int m_iconIndex;
};
