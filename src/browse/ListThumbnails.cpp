// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/ListThumbnails.h"

#include "browse/EntryListView.h"

#include <QTimer>

ListThumbnails::ListThumbnails(EntryListView &view, PathOf pathOf, Work work, int side,
                               std::shared_ptr<QThreadPool> pool)
    : QObject(&view), m_view(view), m_pathOf(std::move(pathOf)), m_side(side),
      m_pixelRatio(view.devicePixelRatioF()),
      m_queue([work = std::move(work), pixels = qRound(side * view.devicePixelRatioF())](
                  const QString &path, QDeadlineTimer deadline) { return work(path, pixels, deadline); },
              QThread::idealThreadCount(), ThumbnailQueue::DefaultLimit, std::move(pool)),
      m_kept(KeptRows)
{
    connect(&m_queue, &ThumbnailQueue::ready, this, &ListThumbnails::received);
    // A listing read again may hold changed files.
    connect(view.model(), &QAbstractItemModel::modelReset, this, &ListThumbnails::forget);
}

QPixmap ListThumbnails::thumbnail(int row)
{
    const QString path = m_pathOf(row);
    const QPixmap *kept = path.isEmpty() ? nullptr : m_kept.object(path);
    return kept ? *kept : QPixmap();
}

void ListThumbnails::drawing(int row)
{
    const QString path = m_pathOf(row);
    if (path.isEmpty() || m_without.contains(path) || m_kept.contains(path))
        return;
    m_drawn.append(path);
    // Told once a drawing is over: the rows drawn then are the rows in sight.
    if (!std::exchange(m_askPending, true))
        QTimer::singleShot(0, this, &ListThumbnails::askForDrawn);
}

void ListThumbnails::askForDrawn()
{
    m_askPending = false;
    m_queue.want(m_drawn);
    m_drawn.clear();
}

void ListThumbnails::received(const QString &path, const QImage &image)
{
    if (image.isNull()) {
        m_without.insert(path);
        return;
    }
    auto *pixmap = new QPixmap(QPixmap::fromImage(image));
    pixmap->setDevicePixelRatio(m_pixelRatio);
    m_kept.insert(path, pixmap);
    m_view.viewport()->update();
}

void ListThumbnails::forget()
{
    m_kept.clear();
    m_without.clear();
    m_drawn.clear();
    m_queue.want({});
}
