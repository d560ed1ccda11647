// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// "Kestrove V." and the major, minor and revision numbers of the build, joined by ".".
QString versionTitle();
QString versionTitle(int major, int minor, int revision);
