// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QString>

// "Kestrove V." and the major, minor and revision numbers of the build, joined by ".".
QString versionTitle();
QString versionTitle(int major, int minor, int revision);

// The program's name, the title of its windows and message boxes.
inline constexpr QLatin1String ProgramTitle("Kestrove");
