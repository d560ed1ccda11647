// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/FileDeleter.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileListController.h"
#include "browse/FolderNavigator.h"
#include "browse/FolderTree.h"
#include "core/Paths.h"
#include "core/Settings.h"
#include "core/VersionTitle.h"
#include "platform/Prompter.h"
#include "platform/Trash.h"

using namespace Paths;

FileDeleter::FileDeleter(const Parts &parts, Settings &settings, Prompter &prompter, Trash &trash,
                         QObject *parent)
    : QObject(parent), m_parts(parts), m_settings(settings), m_prompter(prompter), m_trash(trash)
{
}

void FileDeleter::deleteSelectedEntry()
{
    const int index = m_parts.list.currentRow();
    if (index < 0)
        return;
    EntryListModel *entries = m_parts.list.items();
    // The ".." entry stands for the folder shown: Delete there removes nothing.
    if (entries->kind(index) == ListEntry::Kind::Parent)
        return;
    if (entries->kind(index) == ListEntry::Kind::Volume) {
        refuse(tr("You can't delete entier drives !"));
        return;
    }
    const QString path = m_parts.listing.fullPath(index);
    const bool folder = entries->kind(index) == ListEntry::Kind::Folder;
    if (folder && isMountRoot(path)) {
        refuse(tr("You can't delete entier drives !"));
        return;
    }
    if ((folder || m_settings.confirmDelete()) && !confirmed(path, folder))
        return;
    if (!trash(path)) {
        refuse(withReason(tr("Unable to delete \"%1\".").arg(path)));
        return;
    }
    entries->removeItem(index);
    m_parts.list.setCurrentRow(FileListController::indexAfterRemoval(*entries, index));
}

void FileDeleter::deleteSelectedFolder()
{
    const QString path = m_parts.tree.selectedPath();
    if (m_parts.tree.isSpecialFolderSelected() || !folderExists(path)) {
        refuse(tr("You can't delete special folders !"));
        return;
    }
    const QString folder = withSeparator(path);
    if (isMountRoot(folder)) {
        refuse(tr("You can't delete entier drives !"));
        return;
    }
    if (!confirmed(path, true))
        return;
    if (!trash(path)) {
        refuse(withReason(tr("Unable to delete folder \"%1\".").arg(path)));
        return;
    }
    // The folder is gone: its parent is shown instead.
    m_parts.tree.refresh();
    const QString parent = parentFolder(folder);
    if (parent.isEmpty())
        m_parts.navigator.selectComputerRoot();
    else
        m_parts.navigator.selectFolder(parent);
}

bool FileDeleter::trash(const QString &path)
{
    // The player would go on playing a file in the trash, under a name that no longer leads to it.
    const std::function<void()> giveBack = m_letGo ? m_letGo(path) : std::function<void()>();
    if (m_trash.moveToTrash(path) == 0)
        return true;
    if (giveBack)
        giveBack();
    return false;
}

bool FileDeleter::confirmed(const QString &path, bool folder)
{
    const QString question =
        folder ? tr("Delete folder \"%1\" ?").arg(path) : tr("Delete file \"%1\" ?").arg(path);
    const QString title = folder ? tr("Send folder to Recycle Bin ?") : tr("Send file to Recycle Bin ?");
    return m_prompter.message(question, title, Prompter::Buttons::OkCancel, Prompter::Icon::Exclamation,
                              {tr("Move to Trash"), tr("Cancel")}) == Prompter::Answer::Ok;
}

QString FileDeleter::withReason(const QString &text) const
{
    const QString reason = m_trash.lastFailure();
    return reason.isEmpty() ? text : text + QLatin1String("\r\n\r\n") + reason;
}

void FileDeleter::refuse(const QString &text)
{
    m_prompter.message(text, ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
}
