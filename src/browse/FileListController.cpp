// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/FileListController.h"

#include "browse/EntryListModel.h"
#include "core/EditListStore.h"
#include "core/FolderListing.h"
#include "core/FolderReadAhead.h"
#include "core/ListFiles.h"
#include "core/Paths.h"
#include "platform/FileIconProvider.h"

#include <QSet>

FileListController::FileListController(EntryListModel &entries, EditListStore &store, FileIconProvider *icons)
    : m_entries(entries), m_store(store), m_icons(icons)
{
}

bool FileListController::listFolder(const QString &folder, const FilePattern &pattern,
                                    const FolderReader::Progress &progress)
{
    m_folder = Paths::withSeparator(folder);
    std::optional<FolderReader::Contents> early =
        m_readAhead ? m_readAhead->take(m_folder, pattern, progress) : std::nullopt;
    FolderReader::Contents contents =
        early ? std::move(*early) : FolderReader::read(m_folder, pattern, progress);
    m_entries.clear();
    m_entries.setSorted(false);
    m_entries.addItem(QStringLiteral(".."), ListEntry::Kind::Parent);
    const int folderIcon = m_icons ? m_icons->folderIndex() : -1;
    m_entries.setItemIcon(0, folderIcon);
    m_entries.addItems(std::move(contents.folders), ListEntry::Kind::Folder, folderIcon);
    // A file's icon is found from its name when the entry is first drawn: a long listing does
    // not look up icons nobody sees.
    m_entries.addItems(std::move(contents.files), ListEntry::Kind::File,
                       m_icons ? EntryListModel::IconFromText : -1);
    markEditListEntries();
    return contents.opened;
}

void FileListController::listVolumes()
{
    m_folder.clear();
    m_entries.clear();
    QStringList roots;
    for (const ListEntry &volume : FolderListing::volumes())
        roots.append(volume.path);
    m_entries.addItems(roots, ListEntry::Kind::Volume, m_icons ? m_icons->volumeIndex() : -1);
}

void FileListController::markEditListEntries()
{
    QString path = m_folder;
    const qsizetype folderLength = path.size();
    QList<int> marks;
    const int count = m_entries.count();
    for (int i = 0; i < count; ++i) {
        if (!isFile(i))
            continue;
        path.truncate(folderLength);
        path += m_entries.text(i);
        if (m_store.contains(path))
            marks.append(i);
    }
    m_entries.setOnEditList(marks, true);
}

QString FileListController::fullPath(int index) const
{
    return Paths::fullPath(m_folder, index, m_entries.text(index));
}

std::optional<int> FileListController::editListIndex(const QString &name) const
{
    const int index = m_store.indexOf(Paths::withSeparator(m_folder) + name);
    if (index < 0)
        return std::nullopt;
    return index;
}

bool FileListController::marked(int index) const
{
    return m_entries.isOnEditList(index);
}

bool FileListController::isFile(int index) const
{
    return m_entries.kind(index) == ListEntry::Kind::File;
}

QStringList FileListController::addToEditList(int index)
{
    if (index <= 0 || !isFile(index) || marked(index))
        return {};
    const QString path = fullPath(index);
    if (!ListFiles::canHold(path))
        return {path};
    m_entries.setOnEditList(index, true);
    m_store.append(path);
    return {};
}

QStringList FileListController::addAllToEditList(const QString &pattern)
{
    QStringList refused;
    for (int i = 1; i < m_entries.count(); ++i) {
        if (!isFile(i) || marked(i) || !passesPattern(m_entries.text(i), pattern))
            continue;
        const QString path = fullPath(i);
        if (!ListFiles::canHold(path)) {
            refused.append(path);
            continue;
        }
        m_entries.setOnEditList(i, true);
        m_store.append(path);
    }
    return refused;
}

void FileListController::removeFromEditList(int index)
{
    if (index <= 0 || !marked(index))
        return;
    m_entries.setOnEditList(index, false);
    if (const std::optional<int> stored = editListIndex(m_entries.text(index)))
        m_store.removeAt(*stored);
}

void FileListController::removeAllFromEditList(const QString &pattern)
{
    QList<int> rows;
    QSet<QString> leaving;
    const int count = m_entries.count();
    for (int i = 1; i < count; ++i) {
        if (!marked(i) || !passesPattern(m_entries.text(i), pattern))
            continue;
        rows.append(i);
        leaving.insert(fullPath(i));
    }
    m_store.removeOneOfEach(std::move(leaving));
    m_entries.setOnEditList(rows, false);
}

bool FileListController::passesPattern(const QString &name, const QString &pattern)
{
    const QString lower = pattern.toLower();
    if (lower.isEmpty() || lower == QLatin1String("*.*"))
        return true;
    return name.endsWith(pattern.mid(1), Qt::CaseInsensitive);
}

int FileListController::indexAfterRemoval(const EntryListModel &entries, int removed)
{
    if (removed < entries.count())
        return removed;
    if (removed == 0)
        return -1;
    const int before = removed - 1;
    const ListEntry::Kind kind = entries.kind(before);
    return kind == ListEntry::Kind::Folder || kind == ListEntry::Kind::Parent ? -1 : before;
}
