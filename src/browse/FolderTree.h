// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FolderReader.h"
#include "core/FolderWatch.h"

#include <QTreeWidget>

class FileIconProvider;
class FolderChainReadAhead;

// The folder tree: the home folder, the user folders that exist and the computer root (whose
// children are the mounted volumes) at the top, every folder below loaded when it is first opened. Selecting
// a folder, by hand or through setSelectedPath, raises folderSelected; right-click selections and selections
// while loading do not.
class FolderTree : public QTreeWidget
{
    Q_OBJECT

public:
    // The shell's numbers for the special folders.
    enum SpecialFolder
    {
        Desktop = 0,
        Personal = 5,
        DesktopDirectory = 16,
        Computer = 17
    };

    explicit FolderTree(QWidget *parent = nullptr);

    // The icons of the folders, for the items there are and those still to come.
    void setIconProvider(FileIconProvider *icons);

    // The file-system path of a special folder, or its display text when it is virtual.
    static QString specialFolderText(int folder);
    // A virtual folder's display text mapped to a usable path: the desktop directory, the
    // documents path, "MC" for the computer root, empty otherwise.
    static QString specialFolderPath(const QString &name);

    // The selected folder's path (ending in "/"), or the display text of a virtual one.
    QString selectedPath() const;
    // True when the selected item is one of the folders at the top of the tree (home, the user
    // folders, computer), whatever a folder of the same name elsewhere may be.
    bool isSpecialFolderSelected() const;
    // Selects a folder path or a virtual folder's display text, opening the tree down to it.
    // False when there is no such folder.
    bool setSelectedPath(const QString &path);
    // Re-reads the folders that have been opened.
    void refresh();

    // While set, the first loads of the volumes and of the folders it read take what it read
    // (start-up).
    void setReadAhead(FolderChainReadAhead *readAhead) { m_readAhead = readAhead; }

    // While set, selection changes raise nothing (start-up).
    void setLoading(bool loading) { m_loading = loading; }

Q_SIGNALS:
    // A folder was selected: its file-system path (empty for a virtual folder) and its text.
    void folderSelected(const QString &path, const QString &displayText);
    void rightClicked(const QPoint &globalPosition);

protected:
    // The folder column's width for its contents, as the tree view works it out, from widths kept
    // in the items: the header asks for it after every change of rows, selection and scrolling.
    int sizeHintForColumn(int column) const override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // The menu key and Shift+F10 open the menu of the folder selected, as a right click does.
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QTreeWidgetItem *addFolderItem(QTreeWidgetItem *parent, const QString &text, const QString &path);
    // An item for the subfolder name of the folder (ending in "/") the parent item stands for: last,
    // or at the row given.
    void addSubfolder(QTreeWidgetItem *parent, const QString &folder, const QString &name, int at = -1);
    void load(QTreeWidgetItem *item);
    // The folder an item stands for, ending in "/"; empty for the computer root.
    QString folderOf(const QTreeWidgetItem *item) const;
    // Brings the subfolders of the loaded items of a followed folder up to what it holds now.
    void followed(const QString &folder, const FolderReader::Contents &contents);
    void updateChildren(QTreeWidgetItem *item, const QStringList &folders);
    QTreeWidgetItem *childWithPath(QTreeWidgetItem *parent, const QString &path);
    QTreeWidgetItem *itemForFolder(const QString &folder);
    void currentChanged(QTreeWidgetItem *current);

    FileIconProvider *m_icons = nullptr;
    FolderChainReadAhead *m_readAhead = nullptr;
    // The folders opened, followed for subfolders other programs make and remove.
    FolderWatch m_watch;
    QTreeWidgetItem *m_computer = nullptr;
    bool m_loading = false;
    Qt::MouseButton m_lastButton = Qt::NoButton;
    QTreeWidgetItem *m_remembered = nullptr;
    // Changes when the font or the style does, which makes every kept item width stale.
    int m_look = 0;
};
