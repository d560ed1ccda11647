// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class EntryListView;
class FileListController;
class FolderNavigator;
class FolderTree;
class Prompter;
class Settings;
class Trash;

// Sends the selected file-list entry or the selected tree folder to the trash, after the
// questions the user asked for; drives and special folders are refused.
class FileDeleter : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        EntryListView &list;
        FileListController &listing;
        FolderTree &tree;
        FolderNavigator &navigator;
    };

    FileDeleter(const Parts &parts, Settings &settings, Prompter &prompter, Trash &trash,
                QObject *parent = nullptr);

    void deleteSelectedEntry();
    void deleteSelectedFolder();

private:
    bool confirmed(const QString &path, bool folder);
    void refuse(const QString &text);
    // The text followed by why the trash did not take the item, where that is known.
    QString withReason(const QString &text) const;

    Parts m_parts;
    Settings &m_settings;
    Prompter &m_prompter;
    Trash &m_trash;
};
