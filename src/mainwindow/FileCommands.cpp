// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/FileCommands.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileListController.h"
#include "browse/FileTypeChooser.h"
#include "browse/FolderNavigator.h"
#include "browse/FolderTree.h"
#include "core/Paths.h"
#include "core/VersionTitle.h"
#include "editlist/SearchProgressDialog.h"
#include "mainwindow/SessionState.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "platform/PropertiesSheet.h"
#include "playlist/PlaylistPanel.h"

#include <QDesktopServices>
#include <QUrl>

using namespace Paths;

FileCommands::FileCommands(const Parts &parts, Prompter &prompter, QObject *parent)
    : QObject(parent), m_parts(parts), m_prompter(prompter), m_menu(new FileContextMenu(parts.window)),
      m_walker(prompter)
{
    connect(m_menu->addToPlaylist, &QAction::triggered, this, &FileCommands::addToPlaylist);
    connect(m_menu->addAllToPlaylist, &QAction::triggered, this, &FileCommands::addAllToPlaylist);
    connect(m_menu->addToEditList, &QAction::triggered, this, &FileCommands::addToEditList);
    connect(m_menu->addAllToEditList, &QAction::triggered, this, &FileCommands::addAllToEditList);
    connect(m_menu->removeFromEditList, &QAction::triggered, this, &FileCommands::removeFromEditList);
    connect(m_menu->removeAllFromEditList, &QAction::triggered, this, &FileCommands::removeAllFromEditList);
    connect(m_menu->openEditList, &QAction::triggered, this, &FileCommands::editListRequested);
    connect(m_menu->openInDefaultProgram, &QAction::triggered, this, &FileCommands::openInDefaultProgram);
    connect(m_menu->openInSeparateWindow, &QAction::triggered, this, &FileCommands::separateWindowRequested);
    connect(m_menu->properties, &QAction::triggered, this, &FileCommands::showProperties);
    connect(&m_walker, &FolderWalker::filesFound, this, &FileCommands::addFoundToPlaylist);
    connect(&m_walker, &FolderWalker::finished, this, &FileCommands::searchNextFolder);
    // Entries removed all at once leave the EditList a moment after the command.
    connect(&m_parts.listing, &FileListController::editListChanged, this, &FileCommands::markPlaylist);
}

int FileCommands::targetEntry() const
{
    return m_menuEntry >= 0 ? m_menuEntry : m_parts.fileList.currentRow();
}

void FileCommands::showMenu(FileContextMenu::Target target, int entry, const QPoint &globalPosition)
{
    m_menu->setTarget(target);
    m_menuEntry = entry;
    m_menu->exec(globalPosition);
    m_menuEntry = -1;
}

bool FileCommands::refusedWhileEditListOpen()
{
    // The open EditList window works on a copy of the list and writes it back when it closes:
    // a change made meanwhile would be lost then.
    if (!m_editListWindow)
        return false;
    m_prompter.message(tr("This option is not available when the EditList is open!"), ProgramTitle,
                       Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
    return true;
}

void FileCommands::showMenuOnFileList(const QPoint &viewportPosition)
{
    if (refusedWhileEditListOpen())
        return;
    EntryListModel *entries = m_parts.fileList.items();
    const int under = m_parts.fileList.rowAt(viewportPosition);
    const int entry = under < 0 ? -1 : entries->findItem(entries->text(under));
    if (entry <= 0)
        return;
    const bool file = fileExists(m_parts.listing.fullPath(entry));
    entries->setMenuTarget(entry);
    showMenu(file ? FileContextMenu::Target::File : FileContextMenu::Target::FolderOrNothing, entry,
             m_parts.fileList.viewport()->mapToGlobal(viewportPosition));
    entries->clearMenuTarget();
}

void FileCommands::showMenuOnFolderTree(const QPoint &globalPosition)
{
    showMenu(FileContextMenu::Target::FolderTree, 0, globalPosition);
}

void FileCommands::addToPlaylist()
{
    const EntryListModel *entries = m_parts.fileList.items();
    const int entry = targetEntry();
    if (entry > 0 && entries->kind(entry) == ListEntry::Kind::File) {
        const QString path = m_parts.listing.fullPath(entry);
        if (!m_parts.playlist.contains(path) && !m_parts.playlist.addFile(path))
            reportUnlistable({path});
        return;
    }
    QString folder = m_parts.listing.fullPath(0);
    if (entry > 0 && entries->kind(entry) == ListEntry::Kind::Folder)
        folder = m_parts.listing.fullPath(entry);
    else if (entry > 0 && entries->kind(entry) == ListEntry::Kind::Volume)
        folder = entries->text(entry);
    if (!folderExists(folder) || m_walker.busy())
        return;
    const QString pattern =
        FileTypeChooser::choose(m_parts.state.types, tr("Add files to playlist"), m_parts.window);
    if (!pattern.isEmpty())
        searchIntoPlaylist({folder}, pattern);
}

void FileCommands::addDroppedToPlaylist(const QStringList &paths)
{
    QStringList refused;
    QStringList folders;
    for (const QString &path : paths) {
        if (folderExists(path))
            folders.append(path);
        else if (!m_parts.playlist.contains(path) && !m_parts.playlist.addFile(path))
            refused.append(path);
    }
    reportUnlistable(refused);
    // Folders are searched as "Add to playlist" searches them, one pattern for all of them.
    if (folders.isEmpty() || m_walker.busy())
        return;
    const QString pattern =
        FileTypeChooser::choose(m_parts.state.types, tr("Add files to playlist"), m_parts.window);
    if (!pattern.isEmpty())
        searchIntoPlaylist(folders, pattern);
}

void FileCommands::addAllToPlaylist()
{
    const EntryListModel *entries = m_parts.fileList.items();
    QStringList refused;
    for (int i = 0; i < entries->count(); ++i) {
        const QString path = m_parts.listing.fullPath(i);
        if (entries->kind(i) != ListEntry::Kind::File || m_parts.playlist.contains(path) ||
            folderExists(path))
            continue;
        if (!m_parts.playlist.addFile(path))
            refused.append(path);
    }
    reportUnlistable(refused);
}

void FileCommands::addToEditList()
{
    if (refusedWhileEditListOpen())
        return;
    reportUnlistable(m_parts.listing.addToEditList(targetEntry()));
    markPlaylist();
}

void FileCommands::addAllToEditList()
{
    if (refusedWhileEditListOpen())
        return;
    reportUnlistable(m_parts.listing.addAllToEditList(QString()));
    markPlaylist();
}

void FileCommands::removeFromEditList()
{
    if (refusedWhileEditListOpen())
        return;
    m_parts.listing.removeFromEditList(targetEntry());
    markPlaylist();
}

void FileCommands::removeAllFromEditList()
{
    if (refusedWhileEditListOpen())
        return;
    m_parts.listing.removeAllFromEditList(QString());
}

void FileCommands::changeEditListByType(bool add)
{
    if (refusedWhileEditListOpen())
        return;
    const QString caption = add ? tr("Add files to editlist") : tr("Remove files to editlist");
    const QString pattern = FileTypeChooser::choose(m_parts.state.types, caption, m_parts.window);
    if (pattern.isEmpty())
        return;
    if (add) {
        reportUnlistable(m_parts.listing.addAllToEditList(pattern));
        markPlaylist();
    } else {
        m_parts.listing.removeAllFromEditList(pattern);
    }
    m_parts.fileList.setFocus();
}

void FileCommands::addPlaylistToEditList()
{
    if (refusedWhileEditListOpen())
        return;
    EditListStore &editList = m_parts.state.editList;
    for (const QString &path : m_parts.playlist.paths()) {
        if (!editList.contains(path))
            editList.append(path);
    }
    m_parts.listing.markEditListEntries();
    markPlaylist();
}

void FileCommands::openInDefaultProgram()
{
    const int entry = targetEntry();
    const QString path = m_parts.listing.fullPath(entry);
    if (entry <= 0)
        return;
    const bool file = fileExists(path);
    if (file)
        Q_EMIT fileOpeningElsewhere();
    if (file || folderExists(path))
        QDesktopServices::openUrl(NativePath::fileUrl(path));
}

void FileCommands::showProperties()
{
    const int entry = m_menuEntry;
    const EntryListModel *entries = m_parts.fileList.items();
    const QString entryPath = m_parts.listing.fullPath(entry);
    QString path;
    if (entry > 0 && entries->kind(entry) == ListEntry::Kind::File && fileExists(entryPath))
        path = entryPath;
    else if (entry > 0 && folderExists(entryPath))
        path = entryPath;
    else if (folderExists(m_parts.listing.fullPath(0)))
        path = m_parts.listing.fullPath(0);
    else if (folderExists(m_parts.tree.selectedPath()))
        path = m_parts.tree.selectedPath();
    if (!path.isEmpty())
        PropertiesSheet::show(path, m_parts.window);
}

void FileCommands::reportUnlistable(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const QString text =
        paths.size() == 1
            ? tr("\"%1\" was not added: its name holds a carriage return, which a list file cannot keep.")
                  .arg(NativePath::forDisplay(paths.first()))
            : tr("%1 files were not added: their names hold a carriage return, which a list file cannot "
                 "keep.")
                  .arg(paths.size());
    m_prompter.message(text, ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
}

void FileCommands::markPlaylist()
{
    m_parts.playlist.markEditList(m_parts.state.editList);
}

void FileCommands::searchIntoPlaylist(const QStringList &folders, const QString &pattern)
{
    m_searchFolders = folders;
    m_searchPattern = pattern;
    m_searchFound = 0;
    m_searchProgress = new SearchProgressDialog(m_parts.window);
    m_searchProgress->setLines(QStringLiteral("..."), tr("Total files found so far : 0"));
    // Cancel ends the whole search, not only the folder under way.
    connect(m_searchProgress, &SearchProgressDialog::cancelRequested, this, [this] {
        m_searchFolders.clear();
        m_walker.cancel();
    });
    m_searchProgress->show();
    searchNextFolder();
}

void FileCommands::searchNextFolder()
{
    while (!m_searchFolders.isEmpty()) {
        if (m_walker.start(m_searchFolders.takeFirst(), m_searchPattern))
            return;
    }
    if (!m_searchProgress)
        return;
    m_searchProgress->finish();
    std::exchange(m_searchProgress, nullptr)->deleteLater();
    markPlaylist();
}

void FileCommands::addFoundToPlaylist(const QStringList &paths)
{
    const MediaTypes &types = m_parts.state.types;
    QString lastAdded;
    for (const QString &path : paths) {
        const QString extension = extensionOf(path, true);
        for (int row = 0; row < types.count(); ++row) {
            if (extension.compare(types.extension(row), Qt::CaseInsensitive) != 0)
                continue;
            if (!m_parts.playlist.contains(path) && m_parts.playlist.addFile(path)) {
                ++m_searchFound;
                lastAdded = path;
            }
        }
    }
    if (m_searchProgress && !lastAdded.isEmpty())
        m_searchProgress->showFound(lastAdded, m_searchFound);
}
