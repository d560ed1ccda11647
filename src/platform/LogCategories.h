// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The program's diagnostics, one category per area, so that QT_LOGGING_RULES can turn each on or
// off ("kestrove.playback.debug=true").
Q_DECLARE_LOGGING_CATEGORY(logFiles)
Q_DECLARE_LOGGING_CATEGORY(logPlayback)
Q_DECLARE_LOGGING_CATEGORY(logDesktop)
Q_DECLARE_LOGGING_CATEGORY(logInstance)
Q_DECLARE_LOGGING_CATEGORY(logModules)
Q_DECLARE_LOGGING_CATEGORY(logMessages)
