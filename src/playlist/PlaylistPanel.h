// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TextLineFile.h"

#include <QHash>
#include <QWidget>
#include <array>

class EditListStore;
class EntryListView;
class FileIconProvider;
class FlatButton;
class QAction;
class QCheckBox;

// The playlist pane: the list of files to play and, below it, "USE PLAYLIST" and the six playlist
// commands in two rows of three.
class PlaylistPanel : public QWidget
{
    Q_OBJECT

public:
    // The commands in button order: load, add to EditList, clear all, clear selected, save as,
    // options.
    using Commands = std::array<QAction *, 6>;

    PlaylistPanel(FileIconProvider &icons, const Commands &commands, QWidget *parent = nullptr);

    EntryListView *view() const { return m_view; }
    QCheckBox *usePlaylist() const { return m_usePlaylist; }

    QStringList paths() const;
    bool contains(const QString &path) const;
    // False, and nothing added, when a list file could not hold the name (see ListFiles).
    bool addFile(const QString &path);
    // Replaces the entries with a playlist file's. Returns why the file was not read (the entries
    // are then kept), empty when it was.
    QString loadFile(const QString &path);
    // The same for a playlist file already read.
    QString showFile(TextLineFile::Contents contents);
    // Returns why the file could not be written, empty on success.
    QString saveFile(const QString &path) const;
    // Replaces the entries, in order; the paths are taken over.
    void setPaths(QStringList paths);
    void clearAll();
    void clearSelected();
    // Marks the entries that are on the EditList; only entries whose mark changes are touched. A
    // long playlist is looked up off the window's thread, against the EditList as it is now, and
    // marked when the look-up ends (again, should the entries have changed meanwhile); of markings
    // asked for one after the other, the last one is shown.
    void markEditList(const EditListStore &editList);

Q_SIGNALS:
    // The marks asked for last are shown.
    void editListMarked();

    // Files or folders were dropped on the list from a file manager.
    void pathsDropped(const QStringList &paths);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeButtons();
    void markAgainst(const QHash<QString, int> &editListCounts, int request);
    void showMarks(const QList<int> &rowsOnEditList);

    FileIconProvider &m_icons;
    EntryListView *m_view = nullptr;
    QWidget *m_buttonPanel = nullptr;
    QCheckBox *m_usePlaylist = nullptr;
    std::array<FlatButton *, 6> m_buttons{};
    // The latest marking asked for; an earlier one that ends later is dropped.
    int m_lastMarking = 0;
};
