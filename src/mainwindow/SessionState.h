// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EditListStore.h"
#include "core/MediaTypes.h"

#include <QString>

// What the main window keeps for the whole session, restored at start-up and saved at the end.
struct SessionState
{
    MediaTypes types;
    EditListStore editList;
    bool showAll = false;
    bool minimiseForEditList = true;
    // The full-screen viewer fits a picture larger than the screen.
    bool fitViewer = true;
    QString currentFile;
    // The file played last this session, kept as the place to come back to.
    QString lastPlayedPath;
    qint32 lastPosition = 0;
    // The player's volume in thousandths, as a person or a player applet last set it.
    int volume = 1000;
    // A second copy never writes settings or lists, however it is closed.
    bool skipSave = false;
    // A list file that exists but could not be read is not overwritten at shutdown.
    bool editListUnreadable = false;
    bool playlistUnreadable = false;
};
