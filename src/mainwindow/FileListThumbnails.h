// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ThumbnailCache.h"

#include <QPointer>
#include <memory>

class EntryListView;
class QThreadPool;
class FileListController;
class ListThumbnails;
class ThumbnailMaker;

// Thumbnails in the file list, on or off and at a side, made through the desktop's store.
class FileListThumbnails
{
public:
    FileListThumbnails(EntryListView &view, const FileListController &listing);
    ~FileListThumbnails();
    FileListThumbnails(const FileListThumbnails &) = delete;
    FileListThumbnails &operator=(const FileListThumbnails &) = delete;

    // Side 0 shows the icons alone.
    void show(int side);
    // Waits at most that long for the work under way; false when some is still running (a video
    // that never decodes holds its worker until its time limit).
    bool finish(int withinMs);

private:
    EntryListView &m_view;
    const FileListController &m_listing;
    std::shared_ptr<const ThumbnailMaker> m_maker;
    ThumbnailCache m_cache;
    QPointer<ListThumbnails> m_shown;
    // Shared by the thumbnails shown one after another: turning them off or changing their size
    // does not wait for the work under way, which the list shown then no longer takes.
    std::shared_ptr<QThreadPool> m_pool;
};
