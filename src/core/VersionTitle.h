#pragma once

#include <QString>

// "Kestrove V." and the major, minor and revision numbers of the build, joined by ".".
QString VersionTitle();
QString VersionTitle(int major, int minor, int revision);
