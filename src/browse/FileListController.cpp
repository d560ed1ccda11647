// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/FileListController.h"

#include "browse/EntryListModel.h"
#include "core/EditListStore.h"
#include "core/FilePattern.h"
#include "core/FolderBatch.h"
#include "core/FolderListing.h"
#include "core/ListFiles.h"
#include "core/Paths.h"
#include "platform/FileIconProvider.h"

#include <QScopedValueRollback>
#include <QThreadPool>
#include <QtConcurrentRun>

FileListController::FileListController(EntryListModel &entries, EditListStore &store, FileIconProvider *icons,
                                       QObject *parent)
    : QObject(parent), m_entries(entries), m_store(store), m_icons(icons),
      m_lister(
          [&entries] {
              return FolderLister::Rows{entries.texts(), entries.kinds(), entries.revision()};
          },
          [this] { return marks(); })
{
    connect(&m_lister, &FolderLister::arrived, this, &FileListController::take);
    connect(&m_lister, &FolderLister::listed, this, &FileListController::listed);
    connect(&m_lister, &FolderLister::changed, this, &FileListController::apply);
    connect(&m_lister, &FolderLister::vanished, this, &FileListController::folderVanished);
    connect(&m_removal, &QFutureWatcherBase::finished, this, &FileListController::takeRemoval);
}

void FileListController::listFolder(const QString &folder, const FilePattern &pattern)
{
    m_folder = Paths::withSeparator(folder);
    m_patternText = pattern.text();
    m_entries.clear();
    m_entries.setSorted(false);
    m_entries.addItem(QStringLiteral(".."), ListEntry::Kind::Parent);
    m_entries.setItemIcon(0, m_icons ? m_icons->folderIndex() : -1);
    m_folderRows = 0;
    m_fileRows = 0;
    m_lister.list(m_folder, pattern, m_readAhead,
                  m_listAtOnce ? FolderLister::Read::AtOnce : FolderLister::Read::Later);
}

bool FileListController::isFollowing(const QString &folder, const FilePattern &pattern) const
{
    return pattern.text() == m_patternText && m_lister.isFollowing(folder);
}

FolderLister::Marks FileListController::marks()
{
    m_marksRevision = m_store.revision();
    return [counts = m_store.countsByPath()](const QString &folder, const QStringList &files) {
        QList<int> marked;
        if (counts.isEmpty())
            return marked;
        QString path = folder;
        const qsizetype folderLength = path.size();
        for (int i = 0; i < files.size(); ++i) {
            path.truncate(folderLength);
            path += files.at(i);
            if (counts.contains(path))
                marked.append(i);
        }
        return marked;
    };
}

void FileListController::take(const FolderBatch &batch)
{
    // Rows: "..", the folders, then the files.
    const int folderIcon = m_icons ? m_icons->folderIndex() : -1;
    m_entries.mergeItems(1, m_folderRows, batch.folders.names, batch.folders.places, ListEntry::Kind::Folder,
                         folderIcon);
    m_folderRows += int(batch.folders.names.size());
    const int firstFile = 1 + m_folderRows;
    // A file's icon is found from its name when the entry is first drawn: a long listing does
    // not look up icons nobody sees.
    m_entries.mergeItems(firstFile, m_fileRows, batch.files.names, batch.files.places, ListEntry::Kind::File,
                         m_icons ? EntryListModel::IconFromText : -1);
    const QList<int> &places = batch.files.places;
    const int before = m_fileRows;
    const auto rowOf = [&](int index) {
        return firstFile + (places.isEmpty() ? before : places.at(index)) + index;
    };
    m_fileRows += int(batch.files.names.size());
    QList<int> rows;
    if (m_store.revision() == m_marksRevision) {
        rows.reserve(batch.marked.size());
        for (int index : batch.marked)
            rows.append(rowOf(index));
    } else {
        // The EditList changed while the folder was read.
        QString path = m_folder;
        const qsizetype folderLength = path.size();
        for (int i = 0; i < batch.files.names.size(); ++i) {
            path.truncate(folderLength);
            path += batch.files.names.at(i);
            if (m_store.contains(path))
                rows.append(rowOf(i));
        }
    }
    m_entries.setOnEditList(rows, true);
}

void FileListController::apply(const FolderChange &change, quint64 revision)
{
    if (revision != m_entries.revision()) {
        // The list changed while the change was worked out (a deletion from here): work it out
        // again against the list as it is now.
        m_lister.followAgain();
        return;
    }
    if (change.whole || change.inserted.size() > MostRunsPutIn) {
        Q_EMIT needsListing();
        return;
    }
    const QScopedValueRollback applying(m_applyingChange, true);
    m_entries.removeRuns(change.removed);
    const int folderIcon = m_icons ? m_icons->folderIndex() : -1;
    const int fileIcon = m_icons ? EntryListModel::IconFromText : -1;
    for (const FolderChange::Insertion &run : change.inserted) {
        const bool files = run.kind == ListEntry::Kind::File;
        const int count = int(run.texts.size());
        m_entries.insertItems(run.row, run.texts, run.kind, files ? fileIcon : folderIcon);
        if (files)
            markEditListEntries(run.row, run.row + count - 1);
    }
    Q_EMIT changed();
}

void FileListController::listVolumes()
{
    m_lister.stop();
    m_folder.clear();
    m_entries.clear();
    QStringList roots;
    for (const ListEntry &volume : FolderListing::volumes())
        roots.append(volume.path);
    m_entries.addItems(roots, ListEntry::Kind::Volume, m_icons ? m_icons->volumeIndex() : -1);
}

void FileListController::markEditListEntries()
{
    markEditListEntries(0, m_entries.count() - 1);
}

void FileListController::markEditListEntries(int first, int last)
{
    QString path = m_folder;
    const qsizetype folderLength = path.size();
    QList<int> marks;
    for (int i = first; i <= last; ++i) {
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
    // One removal at a time: a second one starts from the list the first one left.
    finishEditListChanges();
    QList<int> rows;
    const int count = m_entries.count();
    for (int i = 1; i < count; ++i) {
        if (marked(i) && passesPattern(m_entries.text(i), pattern))
            rows.append(i);
    }
    if (rows.isEmpty())
        return;
    m_entries.setOnEditList(rows, false);
    m_removalRevision = m_store.revision();
    m_leaving = {m_folder, m_entries.texts(), rows};
    // The work holds copies that share their storage with the originals until either side
    // changes.
    m_removal.setFuture(QtConcurrent::run([kept = m_store, leaving = m_leaving]() mutable {
        kept.removeOneOfEach(leaving.paths());
        return kept;
    }));
}

QSet<QString> FileListController::Leaving::paths() const
{
    QSet<QString> paths;
    paths.reserve(rows.size());
    for (int row : rows)
        paths.insert(folder + texts.at(row));
    return paths;
}

void FileListController::finishEditListChanges()
{
    if (m_removal.isRunning() || m_removal.future().isValid()) {
        m_removal.waitForFinished();
        takeRemoval();
    }
}

void FileListController::takeRemoval()
{
    if (!m_removal.future().isValid() || !m_removal.isFinished())
        return;
    EditListStore kept = m_removal.future().takeResult();
    m_removal.setFuture(QFuture<EditListStore>());
    if (m_store.revision() == m_removalRevision) {
        // The list the entries left goes on the pool: releasing a hundred thousand paths is
        // work the window need not wait for.
        QThreadPool::globalInstance()->start([gone = std::exchange(m_store, std::move(kept))] {});
    } else {
        // The EditList changed meanwhile: the entries leave the list as it is now.
        m_store.removeOneOfEach(m_leaving.paths());
    }
    m_leaving = {};
    Q_EMIT editListChanged();
}

bool FileListController::passesPattern(const QString &name, const QString &pattern)
{
    if (pattern.isEmpty() || pattern.compare(QLatin1String("*.*"), Qt::CaseInsensitive) == 0)
        return true;
    return name.endsWith(QStringView(pattern).mid(1), Qt::CaseInsensitive);
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
