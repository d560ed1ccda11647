// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/FileListThumbnails.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileListController.h"
#include "browse/ListThumbnails.h"
#include "pictures/ThumbnailMaker.h"
#include "playback/VideoFrames.h"

#include <QThreadPool>

FileListThumbnails::FileListThumbnails(EntryListView &view, const FileListController &listing)
    : m_view(view), m_listing(listing), m_pool(std::make_shared<QThreadPool>())
{
}

FileListThumbnails::~FileListThumbnails() = default;

bool FileListThumbnails::finish(int withinMs)
{
    return m_pool->waitForDone(withinMs);
}

void FileListThumbnails::show(int side)
{
    if (m_shown && m_shown->side() == side)
        return;
    m_view.showThumbnails(nullptr);
    delete m_shown;
    if (side <= 0)
        return;
    if (!m_maker)
        m_maker = std::make_shared<const ThumbnailMaker>(VideoFrames::source());
    auto pathOf = [this](int row) {
        if (m_view.items()->kind(row) != ListEntry::Kind::File)
            return QString();
        const QString path = m_listing.fullPath(row);
        return ThumbnailMaker::handles(path) ? path : QString();
    };
    auto work = [maker = m_maker, cache = m_cache](const QString &path, int pixels, QDeadlineTimer deadline) {
        const QImage image = cache.obtain(
            path, pixels,
            [&maker](const QString &file, int stored, QDeadlineTimer until) {
                return maker->make(file, stored, until);
            },
            deadline);
        // The store keeps them at its own sizes.
        return ThumbnailMaker::fitted(image, pixels);
    };
    m_shown = new ListThumbnails(m_view, pathOf, work, side, m_pool);
    m_view.showThumbnails(m_shown);
}
