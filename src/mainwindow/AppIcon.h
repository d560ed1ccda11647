// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's window icon, drawn in code: no icon-theme lookup at start-up and no image files
// to install.
QIcon appIcon();
