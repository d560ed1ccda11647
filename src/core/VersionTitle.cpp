#include "VersionTitle.h"

QString VersionTitle(int major, int minor, int revision)
{
    return QStringLiteral("Kestrove V.%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString VersionTitle()
{
    return VersionTitle(KESTROVE_VERSION_MAJOR, KESTROVE_VERSION_MINOR, KESTROVE_VERSION_PATCH);
}
