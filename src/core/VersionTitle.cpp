// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/VersionTitle.h"

QString versionTitle(int major, int minor, int revision)
{
    return QStringLiteral("Kestrove V.%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString versionTitle()
{
    return versionTitle(KESTROVE_VERSION_MAJOR, KESTROVE_VERSION_MINOR, KESTROVE_VERSION_PATCH);
}
