// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/FolderTree.h"

#include "browse/FolderTreeItem.h"
#include "core/FilePattern.h"
#include "core/FolderChainReadAhead.h"
#include "core/FolderChange.h"
#include "core/FolderListing.h"
#include "core/FolderReader.h"
#include "core/Paths.h"
#include "core/UserFolders.h"
#include "platform/FileIconProvider.h"
#include "platform/NativePath.h"
#include "widgets/RowTextDelegate.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeWidgetItemIterator>
#include <utility>

namespace {

enum Role
{
    PathRole = Qt::UserRole,
    LoadedRole
};

const QLatin1String DesktopText("Desktop");
const QLatin1String ComputerText("Computer");

QString standardFolder(QStandardPaths::StandardLocation location)
{
    return Paths::withSeparator(QStandardPaths::writableLocation(location));
}

} // namespace

FolderTree::FolderTree(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setRootIsDecorated(true);
    setItemDelegate(new RowTextDelegate(this));
    setIconSize(QSize(FileIconProvider::DrawnSide, FileIconProvider::DrawnSide));
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    // The hidden header's label neither widens the column nor is measured in bold for it.
    headerItem()->setData(0, Qt::SizeHintRole, QSize(0, 0));

    for (const UserFolders::Folder &folder : UserFolders::existing())
        addFolderItem(nullptr, folder.name, folder.path);
    m_computer = addFolderItem(nullptr, ComputerText, QString());

    connect(this, &QTreeWidget::itemExpanded, this, &FolderTree::load);
    connect(&m_watch, &FolderWatch::changed, this, &FolderTree::followed);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { currentChanged(current); });
}

void FolderTree::setIconProvider(FileIconProvider *icons)
{
    m_icons = icons;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        auto *item = static_cast<FolderTreeItem *>(topLevelItem(i));
        item->setIconSource(icons, item == m_computer ? icons->volumeIndex() : icons->folderIndex());
    }
}

QString FolderTree::specialFolderText(int folder)
{
    switch (folder) {
    case Desktop:
        return DesktopText;
    case Personal:
        return standardFolder(QStandardPaths::DocumentsLocation);
    case DesktopDirectory:
        return standardFolder(QStandardPaths::DesktopLocation);
    case Computer:
        return ComputerText;
    default:
        return QString();
    }
}

QString FolderTree::specialFolderPath(const QString &name)
{
    if (name.compare(specialFolderText(Desktop), Qt::CaseInsensitive) == 0)
        return specialFolderText(DesktopDirectory);
    if (name.compare(specialFolderText(Personal), Qt::CaseInsensitive) == 0)
        return specialFolderText(Personal);
    if (name.compare(specialFolderText(Computer), Qt::CaseInsensitive) == 0)
        return QStringLiteral("MC");
    return QString();
}

QTreeWidgetItem *FolderTree::addFolderItem(QTreeWidgetItem *parent, const QString &text, const QString &path)
{
    int icon = -1;
    if (m_icons)
        icon = path.isEmpty() && text == ComputerText ? m_icons->volumeIndex() : m_icons->folderIndex();
    QTreeWidgetItem *item =
        parent ? new FolderTreeItem(parent, m_icons, icon) : new FolderTreeItem(this, m_icons, icon);
    item->setText(0, NativePath::forDisplay(text));
    item->setData(0, PathRole, path);
    item->setData(0, LoadedRole, false);
    // Every folder may have subfolders until it is opened: that is when they are read.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

void FolderTree::addSubfolder(QTreeWidgetItem *parent, const QString &folder, const QString &name, int at)
{
    addFolderItem(parent, name, folder + name + QLatin1Char('/'));
    if (at >= 0)
        parent->insertChild(at, parent->takeChild(parent->childCount() - 1));
}

void FolderTree::load(QTreeWidgetItem *item)
{
    if (!item || item->data(0, LoadedRole).toBool())
        return;
    item->setData(0, LoadedRole, true);
    if (item == m_computer) {
        std::optional<QList<ListEntry>> early = m_readAhead ? m_readAhead->takeVolumes() : std::nullopt;
        const QList<ListEntry> volumes = early ? std::move(*early) : FolderListing::volumes();
        for (const ListEntry &volume : volumes)
            addFolderItem(item, volume.path, volume.path);
    } else {
        const QString path = folderOf(item);
        std::optional<FolderReader::Contents> early = m_readAhead ? m_readAhead->take(path) : std::nullopt;
        const FolderReader::Contents contents =
            early ? std::move(*early) : FolderReader::read(path, FilePattern());
        for (const QString &name : contents.folders)
            addSubfolder(item, path, name);
        m_watch.follow(path);
    }
    if (item->childCount() == 0)
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

QString FolderTree::folderOf(const QTreeWidgetItem *item) const
{
    if (item == m_computer)
        return QString();
    const QString path = item->data(0, PathRole).toString();
    return Paths::withSeparator(path.isEmpty() ? specialFolderPath(item->text(0)) : path);
}

void FolderTree::followed(const QString &folder, const FolderReader::Contents &contents)
{
    // A folder gone is taken away with its parent's change.
    if (!contents.opened)
        return;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->data(0, LoadedRole).toBool() && folderOf(*it) == folder)
            updateChildren(*it, contents.folders);
    }
}

void FolderTree::updateChildren(QTreeWidgetItem *item, const QStringList &folders)
{
    const QString path = folderOf(item);
    // The children as the rows of a list below "..", for the change between them and the read.
    QStringList names{QStringLiteral("..")};
    QList<ListEntry::Kind> kinds{ListEntry::Kind::Parent};
    for (int i = 0; i < item->childCount(); ++i) {
        names.append(item->child(i)->data(0, PathRole).toString().mid(path.size()).chopped(1));
        kinds.append(ListEntry::Kind::Folder);
    }
    const FolderChange change = FolderChange::between(names, kinds, {folders, {}, true});
    if (change.isEmpty())
        return;
    // Taking the current item away must not choose another folder: the file list follows a
    // folder gone by itself.
    const bool wasLoading = std::exchange(m_loading, true);
    if (change.whole) {
        qDeleteAll(item->takeChildren());
        for (const QString &name : folders)
            addSubfolder(item, path, name);
    } else {
        for (auto row = change.removed.crbegin(); row != change.removed.crend(); ++row)
            delete item->takeChild(*row - 1);
        for (const FolderChange::Insertion &run : change.inserted) {
            for (int i = 0; i < run.texts.size(); ++i)
                addSubfolder(item, path, run.texts.at(i), run.row - 1 + i);
        }
    }
    item->setChildIndicatorPolicy(item->childCount() == 0 ? QTreeWidgetItem::DontShowIndicator
                                                          : QTreeWidgetItem::ShowIndicator);
    m_loading = wasLoading;
}

QTreeWidgetItem *FolderTree::childWithPath(QTreeWidgetItem *parent, const QString &path)
{
    load(parent);
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i)->data(0, PathRole).toString() == path)
            return parent->child(i);
    }
    return nullptr;
}

QTreeWidgetItem *FolderTree::itemForFolder(const QString &folder)
{
    if (!Paths::folderExists(folder))
        return nullptr;
    // Under the top folder holding it (a user folder, else a volume of the computer root), then
    // one folder at a time.
    QTreeWidgetItem *start = nullptr;
    qsizetype longest = -1;
    const auto consider = [&](QTreeWidgetItem *item) {
        const QString root = item->data(0, PathRole).toString();
        if (!root.isEmpty() && folder.startsWith(root) && root.size() > longest) {
            start = item;
            longest = root.size();
        }
    };
    for (int i = 0; i < topLevelItemCount(); ++i)
        consider(topLevelItem(i));
    if (!start) {
        load(m_computer);
        for (int i = 0; i < m_computer->childCount(); ++i)
            consider(m_computer->child(i));
    }
    if (!start)
        return nullptr;
    QTreeWidgetItem *target = start;
    QString walked = start->data(0, PathRole).toString();
    const QStringList parts = folder.mid(walked.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        walked += part + QLatin1Char('/');
        QTreeWidgetItem *next = childWithPath(target, walked);
        if (!next) {
            // A hidden or new folder: it gets an item of its own.
            next = addFolderItem(target, part, walked);
        }
        target = next;
    }
    return target;
}

QString FolderTree::selectedPath() const
{
    const QTreeWidgetItem *item = currentItem();
    if (!item)
        return QString();
    const QString path = item->data(0, PathRole).toString();
    return path.isEmpty() ? item->text(0) : path;
}

bool FolderTree::isSpecialFolderSelected() const
{
    const QTreeWidgetItem *item = currentItem();
    return item && !item->parent();
}

bool FolderTree::setSelectedPath(const QString &path)
{
    QTreeWidgetItem *target = nullptr;
    for (int i = 0; i < topLevelItemCount() && !target; ++i) {
        QTreeWidgetItem *top = topLevelItem(i);
        if (top->data(0, PathRole).toString().isEmpty() &&
            top->text(0).compare(path, Qt::CaseInsensitive) == 0)
            target = top;
    }
    if (!target)
        target = itemForFolder(Paths::withSeparator(path));
    if (!target)
        return false;
    for (QTreeWidgetItem *up = target->parent(); up; up = up->parent())
        up->setExpanded(true);
    m_lastButton = Qt::NoButton;
    if (currentItem() == target)
        currentChanged(target);
    else
        setCurrentItem(target);
    scrollToItem(target);
    // A tree not laid out yet scrolls once it is.
    QTimer::singleShot(0, this, [this] {
        if (currentItem())
            scrollToItem(currentItem());
    });
    return true;
}

void FolderTree::refresh()
{
    const QString selected = selectedPath();
    const QSignalBlocker blocker(this);
    // The folders loaded again are followed again.
    m_watch.clear();
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem *top = topLevelItem(i);
        const bool expanded = top->isExpanded();
        qDeleteAll(top->takeChildren());
        top->setData(0, LoadedRole, false);
        top->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        if (expanded)
            load(top);
    }
    if (!selected.isEmpty()) {
        const bool wasLoading = m_loading;
        m_loading = true;
        setSelectedPath(selected);
        m_loading = wasLoading;
    }
}

void FolderTree::currentChanged(QTreeWidgetItem *current)
{
    if (!current || m_loading || m_lastButton == Qt::RightButton)
        return;
    Q_EMIT folderSelected(current->data(0, PathRole).toString(), current->text(0));
}

int FolderTree::sizeHintForColumn(int column) const
{
    // Measuring an item shapes its text; each is measured once, and the header's many requests
    // only add the kept widths up. Beyond the rows the header measures, the view's own choice of
    // rows holds.
    const int limit = header()->resizeContentsPrecision();
    if (column != 0 || limit == 0)
        return QTreeWidget::sizeHintForColumn(column);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int step = indentation();
    const int rootLevel = rootIsDecorated() ? 1 : 0;
    struct Row
    {
        QTreeWidgetItem *item;
        QModelIndex index;
        int level;
    };
    QList<Row> rows;
    for (int i = 0; i < topLevelItemCount(); ++i)
        rows.append({topLevelItem(i), model()->index(i, 0), 0});
    int width = -1;
    int counted = 0;
    while (!rows.isEmpty()) {
        const Row row = rows.takeLast();
        if (row.item->isHidden())
            continue;
        if (limit > 0 && ++counted > limit)
            return QTreeWidget::sizeHintForColumn(column);
        const auto *folder = static_cast<const FolderTreeItem *>(row.item);
        int itemWidth = folder->measuredWidth(m_look);
        if (itemWidth < 0) {
            itemWidth = itemDelegateForIndex(row.index)->sizeHint(option, row.index).width();
            folder->rememberWidth(m_look, itemWidth);
        }
        width = qMax(width, itemWidth + (row.level + rootLevel) * step);
        if (row.item->isExpanded()) {
            for (int i = 0; i < row.item->childCount(); ++i)
                rows.append({row.item->child(i), model()->index(i, 0, row.index), row.level + 1});
        }
    }
    return width;
}

void FolderTree::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        ++m_look;
    QTreeWidget::changeEvent(event);
}

void FolderTree::mousePressEvent(QMouseEvent *event)
{
    m_lastButton = event->button();
    m_remembered = currentItem();
    QTreeWidget::mousePressEvent(event);
}

void FolderTree::contextMenuEvent(QContextMenuEvent *event)
{
    // The part of the folder's row in sight: a deep folder's row reaches past the pane's edge.
    const QRect current = currentItem() ? visualItemRect(currentItem()) & viewport()->rect() : QRect();
    if (event->reason() == QContextMenuEvent::Keyboard && current.isValid() && !selectedPath().isEmpty()) {
        event->accept();
        Q_EMIT rightClicked(viewport()->mapToGlobal(current.center()));
        return;
    }
    QTreeWidget::contextMenuEvent(event);
}

void FolderTree::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::RightButton) {
        m_lastButton = event->button();
        return;
    }
    if (!selectedPath().isEmpty())
        Q_EMIT rightClicked(event->globalPosition().toPoint());
    // A right click moves the selection without navigating: the folder shown is selected again.
    if (m_remembered && currentItem() != m_remembered) {
        const QSignalBlocker blocker(this);
        setCurrentItem(m_remembered);
    }
    m_lastButton = Qt::NoButton;
}
