// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/RowTextDelegate.h"

#include <QColor>
#include <QHash>
#include <QPointer>

class ListThumbnails;

// Draws the entries of a file list: entries on the EditList in blue, the entry a file menu is open
// on on a green background, entries a job has handled in the colour of what happened to them, each
// shaded as far as it must be to read on the theme's colours. A text shown shortened is shown
// whole in a tooltip; a path is shortened in its folder before its file's name. With thumbnails, a
// row's thumbnail takes the place of its icon.
class EntryDelegate : public RowTextDelegate
{
    Q_OBJECT

public:
    static inline const QColor EditListText{0, 0, 255};
    static inline const QColor MenuTargetBackground{0, 255, 0};
    // The text colour of an entry by what a job did with it (normal, processed, skipped, skipped
    // with an error).
    static QColor jobStateText(int state);

    // How the entry the player holds is shown: on yellow in the playlist pane, white on blue in the
    // playlist window.
    enum class PlayingLook
    {
        Yellow,
        WhiteOnBlue
    };
    static inline const QColor PlayingYellow{255, 255, 0};
    static inline const QColor PlayingBlue{0, 0, 255};

    using RowTextDelegate::RowTextDelegate;
    void setPlayingLook(PlayingLook look) { m_playingLook = look; }

    // Rows that have a thumbnail show it in place of their icon; none shows icons only.
    void setThumbnails(ListThumbnails *thumbnails);

    // A row width for every entry, whatever the length of its text; 0 for rows as wide as their
    // texts.
    void setRowWidth(int width) { m_rowWidth = width; }
    // Texts that are paths keep their file's name whole (see PathElision).
    void setTextsArePaths(bool on) { m_paths = on; }
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
    // The text a row, made ready by initStyleOption, shows in the room it has: whole when it fits.
    QString shownText(const QStyleOptionViewItem &row) const;

private:
    QColor readableOn(const QColor &background, const QColor &text) const;
    // The width the row's text is given, inside the margins the style keeps.
    static int textRoom(const QStyleOptionViewItem &row);

    PlayingLook m_playingLook = PlayingLook::Yellow;
    int m_rowWidth = 0;
    bool m_paths = false;
    QPointer<ListThumbnails> m_thumbnails;
    mutable QHash<quint64, QRgb> m_readable;
};
