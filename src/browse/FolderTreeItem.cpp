// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/FolderTreeItem.h"

#include "platform/FileIconProvider.h"

FolderTreeItem::FolderTreeItem(QTreeWidgetItem *parent, const FileIconProvider *icons, int iconIndex)
    : QTreeWidgetItem(parent), m_icons(icons), m_iconIndex(iconIndex)
{
}

FolderTreeItem::FolderTreeItem(QTreeWidget *parent, const FileIconProvider *icons, int iconIndex)
    : QTreeWidgetItem(parent), m_icons(icons), m_iconIndex(iconIndex)
{
}

void FolderTreeItem::setIconSource(const FileIconProvider *icons, int iconIndex)
{
    m_icons = icons;
    m_iconIndex = iconIndex;
    m_measuredLook = -1;
}

QVariant FolderTreeItem::data(int column, int role) const
{
    if (role == Qt::DecorationRole && column == 0 && m_icons)
        return m_icons->icon(m_iconIndex);
    return QTreeWidgetItem::data(column, role);
}

void FolderTreeItem::setData(int column, int role, const QVariant &value)
{
    m_measuredLook = -1;
    QTreeWidgetItem::setData(column, role, value);
}

void FolderTreeItem::rememberWidth(int look, int width) const
{
    m_measuredLook = look;
    m_measuredWidth = width;
}
