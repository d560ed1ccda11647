// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LogCategories.h"

// Files: listing, copying, moving, trashing and the lists the program keeps.
Q_LOGGING_CATEGORY(logFiles, "kestrove.files")
// Playing: the player, the media session on the bus.
Q_LOGGING_CATEGORY(logPlayback, "kestrove.playback")
// The desktop's services reached over the session bus or the desktop's files.
Q_LOGGING_CATEGORY(logDesktop, "kestrove.desktop")
// One copy per user: the lock and the local socket.
Q_LOGGING_CATEGORY(logInstance, "kestrove.instance")
// The modules that carry the media libraries and GIO, loaded when first needed.
Q_LOGGING_CATEGORY(logModules, "kestrove.modules")
// What the program would have said in a message box when nobody is there to read it, and, when
// debug output is asked for, every question it asks.
Q_LOGGING_CATEGORY(logMessages, "kestrove.messages", QtInfoMsg)
