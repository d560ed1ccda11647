// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileListController.h"
#include "core/EditListStore.h"
#include "platform/FileIconProvider.h"

// The file list as the window has it: a list view on the screen over the entries of a folder,
// marked against an EditList.
struct ListInView
{
    ListInView()
    {
        view.resize(400, 600);
        view.show();
        entries.setIconProvider(&icons);
        // As in the program, whose start reads the MIME database, a listing finds it read: the
        // first rows drawn do not pay for it.
        icons.iconIndex(QStringLiteral("warm.mp3"));
    }

    FileIconProvider icons;
    EditListStore store;
    EntryListView view;
    EntryListModel &entries = *view.items();
    FileListController list{entries, store, &icons};
};
