// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class EntryListView;
class FileIconProvider;

// "PlayList": a working copy of the playlist to put in order: move the chosen entry up or down,
// sort, shuffle. There is no cancel: however the window is closed, the caller takes entries()
// back. The entry the player holds shows white on blue. Sorting and shuffling run off the
// window's thread; the new order shows when they end.
class PlaylistWindow : public QDialog
{
    Q_OBJECT

public:
    PlaylistWindow(const QStringList &entries, const QString &playingFile, FileIconProvider &icons,
                   QWidget *parent = nullptr);

    QStringList entries() const;

    void moveUp();
    void moveDown();
    void sort();
    void randomize();

    void done(int result) override;

private:
    void fill(const QStringList &entries, int current);
    void markPlaying();
    void reorder(std::function<QStringList()> order);
    void setReordering(bool on);

    EntryListView *m_list = nullptr;
    QString m_playingFile;
    std::array<QWidget *, 4> m_orderButtons{};
    bool m_reordering = false;
    std::optional<int> m_closeWhenReordered;
};
