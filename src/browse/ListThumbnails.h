// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ThumbnailQueue.h"

#include <QCache>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <functional>

class EntryListView;

// The thumbnails a file list shows. Only rows being drawn ask for theirs, so work goes to the rows
// in sight, and rows scrolled away from are dropped before their work begins. Thumbnails are kept
// for a few screens of rows, those drawn longest ago going first: the store on disk has the rest.
class ListThumbnails : public QObject
{
    Q_OBJECT

public:
    // The file a row shows; empty for rows that have no thumbnail.
    using PathOf = std::function<QString(int row)>;
    // Pictures a row's thumbnail, on a worker, at the side given in device pixels.
    using Work = std::function<QImage(const QString &path, int side, QDeadlineTimer deadline)>;

    static constexpr int KeptRows = 300;

    // The work runs on the pool given.
    ListThumbnails(EntryListView &view, PathOf pathOf, Work work, int side,
                   std::shared_ptr<QThreadPool> pool);
    int side() const { return m_side; }

    // The row's thumbnail at the list's icon size; null while it is not made, and for good for a
    // row that has none.
    QPixmap thumbnail(int row);
    // The row is being drawn: its thumbnail is wanted.
    void drawing(int row);

private:
    void askForDrawn();
    void received(const QString &path, const QImage &image);
    void forget();

    EntryListView &m_view;
    PathOf m_pathOf;
    int m_side;
    qreal m_pixelRatio;
    ThumbnailQueue m_queue;
    QCache<QString, QPixmap> m_kept;
    QSet<QString> m_without;
    // The rows drawn since the queue was last told, in the order they were drawn.
    QStringList m_drawn;
    bool m_askPending = false;
};
