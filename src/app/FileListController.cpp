#include "FileListController.h"

#include "EditListStore.h"
#include "FolderListing.h"
#include "ListModel.h"
#include "PathProcedures.h"
#include "SystemImageList.h"

#include <QElapsedTimer>

namespace {

constexpr int YieldEveryMs = 15;

} // namespace

FileListController::FileListController(ListModel &entries, EditListStore &store, SystemImageList *icons)
    : m_entries(entries), m_store(store), m_icons(icons)
{
}

bool FileListController::UpdateList(const QString &folder, const FilePattern &pattern,
                                    const FolderReader::Yield &yield)
{
    m_folder = PathProcedures::WithSeparator(folder);
    const FolderReader::Contents contents = FolderReader::read(m_folder, pattern, yield);
    m_entries.Clear();
    m_entries.setSorted(false);
    m_entries.AddItem(QStringLiteral(".."), ListEntry::Kind::Parent);
    const int folderIcon = m_icons ? m_icons->folderIndex() : -1;
    m_entries.setItemIcon(0, folderIcon);
    m_entries.AddItems(contents.folders, ListEntry::Kind::Folder, folderIcon);
    // A file's icon is found from its name when the entry is first drawn: a long listing does
    // not look up icons nobody sees.
    m_entries.AddItems(contents.files, ListEntry::Kind::File, m_icons ? ListModel::IconFromText : -1);
    if (yield)
        yield();
    CheckFileList(yield);
    return contents.opened;
}

void FileListController::AddDrives()
{
    m_folder.clear();
    m_entries.Clear();
    QStringList roots;
    for (const ListEntry &volume : FolderListing::volumes())
        roots.append(volume.path);
    m_entries.AddItems(roots, ListEntry::Kind::Volume, m_icons ? m_icons->volumeIndex() : -1);
}

void FileListController::CheckFileList(const FolderReader::Yield &yield)
{
    QElapsedTimer clock;
    clock.start();
    QString path = m_folder;
    const qsizetype folderLength = path.size();
    QList<int> marks;
    const int count = m_entries.ListCount();
    for (int i = 0; i < count; ++i) {
        if (yield && (i & 1023) == 0 && clock.elapsed() >= YieldEveryMs) {
            yield();
            clock.restart();
            if (m_entries.ListCount() != count)
                return;
        }
        if (!isFile(i))
            continue;
        path.truncate(folderLength);
        path += m_entries.List(i);
        if (m_store.contains(path))
            marks.append(i);
    }
    m_entries.setItemForeColors(marks, EditListColour);
}

QString FileListController::GetFullPath(int index) const
{
    return PathProcedures::GetFullPath(m_folder, index, m_entries.List(index));
}

std::optional<int> FileListController::GetFileIndex(const QString &name) const
{
    const int index = m_store.indexOf(PathProcedures::WithSeparator(m_folder) + name);
    if (index < 0)
        return std::nullopt;
    return index;
}

bool FileListController::marked(int index) const
{
    return m_entries.ItemForeColor(index) == EditListColour;
}

bool FileListController::isFile(int index) const
{
    return m_entries.kind(index) == ListEntry::Kind::File;
}

void FileListController::AddToEditList(int index)
{
    if (index <= 0 || !isFile(index) || marked(index))
        return;
    m_entries.setItemForeColor(index, EditListColour);
    m_store.append(GetFullPath(index));
}

void FileListController::AddAllToEditListProc(const QString &pattern)
{
    for (int i = 1; i < m_entries.ListCount(); ++i) {
        if (!isFile(i) || marked(i) || !passesPattern(m_entries.List(i), pattern))
            continue;
        m_entries.setItemForeColor(i, EditListColour);
        m_store.append(GetFullPath(i));
    }
}

void FileListController::RemoveFromEditList(int index)
{
    if (index <= 0 || !marked(index))
        return;
    m_entries.setItemForeColor(index, QColor());
    if (const std::optional<int> stored = GetFileIndex(m_entries.List(index)))
        m_store.removeAt(*stored);
}

void FileListController::RemoveAllProc(const QString &pattern)
{
    for (int i = 1; i < m_entries.ListCount(); ++i) {
        if (!marked(i) || !passesPattern(m_entries.List(i), pattern))
            continue;
        m_entries.setItemForeColor(i, QColor());
        m_store.removeAt(m_store.indexOf(GetFullPath(i)));
    }
}

bool FileListController::passesPattern(const QString &name, const QString &pattern)
{
    const QString lower = pattern.toLower();
    if (lower.isEmpty() || lower == QLatin1String("*.*"))
        return true;
    return name.endsWith(pattern.mid(1), Qt::CaseInsensitive);
}

int FileListController::indexAfterRemoval(const ListModel &entries, int removed)
{
    if (removed < entries.ListCount())
        return removed;
    if (removed == 0)
        return -1;
    const int before = removed - 1;
    const ListEntry::Kind kind = entries.kind(before);
    return kind == ListEntry::Kind::Folder || kind == ListEntry::Kind::Parent ? -1 : before;
}
