// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/FolderNavigator.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileListController.h"
#include "browse/FolderTree.h"
#include "browse/PathBar.h"
#include "core/Paths.h"
#include "platform/NativePath.h"

#include <QDir>
#include <utility>

using namespace Paths;

namespace {

// The path without quotes, made absolute from base; empty for a path of quotes alone.
QString unquotedAbsolute(const QString &path, const QString &base)
{
    QString text = path;
    text.remove(QLatin1Char('"'));
    return text.isEmpty() ? text : absoluteClean(text, base);
}

} // namespace

FolderNavigator::FolderNavigator(FolderTree &tree, EntryListView &list, FileListController &listing,
                                 PathBar &pathBar, QObject *parent)
    : QObject(parent), m_tree(tree), m_list(list), m_listing(listing), m_pathBar(pathBar)
{
    connect(&m_tree, &FolderTree::folderSelected, this, &FolderNavigator::folderSelected);
    connect(&m_listing, &FileListController::listed, this, &FolderNavigator::folderListed);
    connect(&m_listing, &FileListController::folderVanished, this, &FolderNavigator::folderVanished);
    // A change too large to follow row by row reads the folder again, keeping the entry selected.
    connect(&m_listing, &FileListController::needsListing, this, &FolderNavigator::refresh);
}

QString FolderNavigator::computerRootText()
{
    return FolderTree::specialFolderText(FolderTree::Computer);
}

QString FolderNavigator::absolute(const QString &path) const
{
    return absoluteClean(path, baseFolder());
}

QString FolderNavigator::baseFolder() const
{
    // Relative paths are taken from the folder shown, or from the home folder when none is.
    return folderExists(m_currentFolder) ? m_currentFolder : QDir::homePath();
}

QString FolderNavigator::folderOpenedFor(const QString &path, const QString &base)
{
    return targetOf(unquotedAbsolute(path, base)).folder;
}

void FolderNavigator::openPath(const QString &path)
{
    const Target target = targetOf(unquotedAbsolute(path, baseFolder()));
    if (target.folder.isEmpty())
        return;
    selectFolder(target.folder);
    if (target.kind == Target::Kind::File)
        selectEntry(target.entry);
}

void FolderNavigator::openTypedPath(const QString &typed)
{
    const QString text = typed.isEmpty() ? typed : absolute(expandHome(typed, QDir::homePath()));
    const Target target = targetOf(text);
    if (target.kind == Target::Kind::Folder) {
        m_pathBar.setText(target.folder);
        selectFolder(target.folder);
    } else if (target.kind == Target::Kind::File) {
        selectFolder(target.folder);
        m_pathBar.setText(text);
        selectEntry(target.entry);
    } else if (typed.compare(computerRootText(), Qt::CaseInsensitive) == 0) {
        selectComputerRoot();
    } else {
        m_pathBar.showProblem(tr("There is no file or folder of that name."));
    }
}

void FolderNavigator::selectFolder(const QString &folder)
{
    // The tree is where the current folder is chosen; its selection fills the list.
    if (!m_tree.setSelectedPath(folder))
        showFolder(folder);
}

void FolderNavigator::selectComputerRoot()
{
    m_tree.setSelectedPath(computerRootText());
}

void FolderNavigator::folderSelected(const QString &path, const QString &displayText)
{
    if (!path.isEmpty()) {
        showFolder(path);
        return;
    }
    const QString special = FolderTree::specialFolderPath(displayText);
    if (special.isEmpty()) {
        m_list.items()->clear();
        m_pathBar.setText(m_tree.selectedPath());
    } else if (special.compare(QLatin1String("MC"), Qt::CaseInsensitive) == 0) {
        m_pathBar.setText(displayText);
        m_listing.listVolumes();
        m_currentFolder = computerRootText();
        folderListed();
    } else {
        showFolder(special);
    }
}

void FolderNavigator::showFolder(const QString &folder)
{
    const QString path = withSeparator(folder);
    // What waited for the folder shown before waits no more.
    m_pendingEntry.reset();
    m_afterListing.clear();
    m_pathBar.setText(path);
    m_currentFolder = path;
    m_pathBar.tidyFolderText();
    if (m_listing.isFollowing(path, m_pattern)) {
        // The list already shows the folder as it is now. Choosing the folder again chooses no
        // entry, as listing it again would.
        m_list.setCurrentRow(-1);
        return;
    }
    m_listing.listFolder(path, m_pattern);
}

bool FolderNavigator::isListing() const
{
    return m_listing.isListing();
}

void FolderNavigator::whenListed(const std::function<void()> &step)
{
    if (isListing())
        m_afterListing.append(step);
    else
        step();
}

void FolderNavigator::folderListed()
{
    if (std::optional<QString> entry = std::exchange(m_pendingEntry, std::nullopt))
        selectEntry(*entry);
    const QList<std::function<void()>> steps = std::exchange(m_afterListing, {});
    for (const std::function<void()> &step : steps)
        step();
    Q_EMIT listed();
}

void FolderNavigator::folderVanished(const QString &folder)
{
    // The nearest folder above that is still there is shown instead, and the reason said.
    QString nearest = parentFolder(folder);
    while (!nearest.isEmpty() && !folderExists(nearest))
        nearest = parentFolder(nearest);
    m_tree.refresh();
    if (nearest.isEmpty())
        selectComputerRoot();
    else
        selectFolder(nearest);
    m_pathBar.showNotice(tr("The folder \"%1\" is no longer there.").arg(NativePath::forDisplay(folder)));
}

void FolderNavigator::relist()
{
    if (m_currentFolder == computerRootText()) {
        m_listing.listVolumes();
    } else if (!m_currentFolder.isEmpty()) {
        m_pendingEntry.reset();
        m_afterListing.clear();
        m_listing.listFolder(m_currentFolder, m_pattern);
    }
}

void FolderNavigator::refresh()
{
    const QString selected = m_list.items()->text(m_list.currentRow());
    m_tree.refresh();
    relist();
    selectEntry(selected);
}

void FolderNavigator::selectEntry(const QString &name)
{
    if (isListing()) {
        m_pendingEntry = name;
        return;
    }
    // Names differing only in case are different files here: an exact match comes first.
    const EntryListModel *entries = m_list.items();
    int match = entries->findItem(name);
    for (int i = 0; i < entries->count() && match < 0; ++i) {
        if (entries->text(i).compare(name, Qt::CaseInsensitive) == 0)
            match = i;
    }
    if (match >= 0)
        m_list.setCurrentRow(match);
}

void FolderNavigator::activateEntry(int row)
{
    const EntryListModel *entries = m_list.items();
    switch (entries->kind(row)) {
    case ListEntry::Kind::Parent: {
        const QString parent = parentFolder(m_currentFolder);
        if (parent.isEmpty())
            selectComputerRoot();
        else
            selectFolder(parent);
        break;
    }
    case ListEntry::Kind::Volume:
        if (folderExists(entries->text(row)))
            selectFolder(entries->text(row));
        break;
    case ListEntry::Kind::Folder:
    case ListEntry::Kind::File: {
        const QString full = m_listing.fullPath(row);
        if (folderExists(full))
            selectFolder(full);
        else if (fileExists(full))
            Q_EMIT fileActivated(false);
        break;
    }
    }
}

void FolderNavigator::enterSelectedEntry()
{
    const int row = m_list.currentRow();
    if (row < 0)
        return;
    const ListEntry::Kind kind = m_list.items()->kind(row);
    if (kind != ListEntry::Kind::Parent)
        m_pathBar.tidyFolderText();
    if (kind == ListEntry::Kind::File && fileExists(m_listing.fullPath(row))) {
        Q_EMIT fileActivated(true);
        m_list.setFocus();
        return;
    }
    activateEntry(row);
    if (kind != ListEntry::Kind::File)
        m_list.setCurrentRow(0);
    if (kind != ListEntry::Kind::Parent)
        m_list.setFocus();
}

void FolderNavigator::goToNextFile()
{
    if (isListing()) {
        whenListed([this] { goToNextFile(); });
        return;
    }
    const int index = m_list.currentRow();
    if (index < m_list.items()->count() - 1)
        m_list.setCurrentRow(index + 1);
}

void FolderNavigator::goToPreviousFile()
{
    const int index = m_list.currentRow();
    if (index > 0 && m_list.items()->kind(index - 1) == ListEntry::Kind::File)
        m_list.setCurrentRow(index - 1);
}

void FolderNavigator::goUp()
{
    if (m_list.items()->count() > 0 && m_list.items()->kind(0) == ListEntry::Kind::Parent) {
        m_list.setCurrentRow(0);
        activateEntry(0);
    }
}
