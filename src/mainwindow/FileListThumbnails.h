// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ThumbnailCache.h"

#include <QPointer>
#include <memory>

class EntryListView;
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

private:
    EntryListView &m_view;
    const FileListController &m_listing;
    std::shared_ptr<const ThumbnailMaker> m_maker;
    ThumbnailCache m_cache;
    QPointer<ListThumbnails> m_shown;
};
