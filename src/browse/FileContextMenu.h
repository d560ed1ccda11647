// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

// The file menu of the folder tree and the file list. What it offers depends on what it was
// opened on; each command is a named action that the window connects.
class FileContextMenu : public QMenu
{
    Q_OBJECT

public:
    enum class Target
    {
        FolderTree,
        FolderOrNothing,
        File
    };

    explicit FileContextMenu(QWidget *parent = nullptr);

    // Enables the commands that make sense for the target.
    void setTarget(Target target);

    QAction *const addToPlaylist;
    QAction *const addAllToPlaylist;
    QAction *const addToEditList;
    QAction *const addAllToEditList;
    QAction *const removeFromEditList;
    QAction *const removeAllFromEditList;
    QAction *const openEditList;
    QAction *const openInDefaultProgram;
    QAction *const openInSeparateWindow;
    QAction *const properties;
};
