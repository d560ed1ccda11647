#pragma once

#include <QTreeWidgetItem>

class SystemImageList;

// A folder of the tree: its icon comes from the icon list when the item is first drawn.
class FolderTreeItem : public QTreeWidgetItem
{
public:
    FolderTreeItem(QTreeWidgetItem *parent, const SystemImageList *icons, int iconIndex);
    FolderTreeItem(QTreeWidget *parent, const SystemImageList *icons, int iconIndex);

    void setIconSource(const SystemImageList *icons, int iconIndex);
    QVariant data(int column, int role) const override;

private:
    const SystemImageList *m_icons;
    int m_iconIndex;
};
