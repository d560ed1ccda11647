// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

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

    // Lets the player go of the file it holds when that is the path or lies inside it, before the
    // path is deleted; returns what gives the file back should the deletion fail (empty when the
    // player held nothing there).
    using LetGo = std::function<std::function<void()>(const QString &path)>;
    void setLetGo(LetGo letGo) { m_letGo = std::move(letGo); }

    void deleteSelectedEntry();
    void deleteSelectedFolder();

private:
    // Moves the path to the trash once the player has let go of it; false when the trash refused.
    bool trash(const QString &path);
    bool confirmed(const QString &path, bool folder);
    void refuse(const QString &text);
    // The text followed by why the trash did not take the item, where that is known.
    QString withReason(const QString &text) const;

    Parts m_parts;
    Settings &m_settings;
    Prompter &m_prompter;
    Trash &m_trash;
    LetGo m_letGo;
};
