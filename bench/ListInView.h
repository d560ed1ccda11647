// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileListController.h"
#include "core/EditListStore.h"
#include "platform/FileIconProvider.h"

#include <QEventLoop>
#include <QTimer>

// The file list as the window has it: a list view on the screen over the entries of a folder,
// marked against an EditList.
struct ListInView
{
    ListInView()
    {
        view.resize(400, 600);
        view.show();
        entries.setIconProvider(&icons);
        // As in the program, whose start reads the MIME database and draws its panes' text, a
        // listing finds both done: the first rows drawn pay neither for the database nor for the
        // fonts.
        icons.iconIndex(QStringLiteral("warm.mp3"));
        entries.addItem(QStringLiteral("warm.mp3"), ListEntry::Kind::File);
        QEventLoop drawn;
        QTimer::singleShot(200, &drawn, &QEventLoop::quit);
        drawn.exec();
        entries.clear();
    }

    FileIconProvider icons;
    EditListStore store;
    EntryListView view;
    EntryListModel &entries = *view.items();
    FileListController list{entries, store, &icons};
};
