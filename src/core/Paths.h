// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The path procedures every part of the program shares. Folder paths handed between procedures
// end in "/" and names are appended to them directly.
namespace Paths {

inline constexpr QChar Separator = QLatin1Char('/');

// True when the path is a folder the process could enter; the working directory is not changed.
bool folderExists(const QString &path);
// False for empty text and for folders; otherwise true exactly when the entry's attributes can be read.
bool fileExists(const QString &path);
// The size in bytes of the file a path names (links followed); -1 when it is no file or cannot be
// read.
qint64 fileSize(const QString &path);
QString folderOf(const QString &path);

// Where an absolute path leads the file list, from one look at the disk (a second, for a path
// that leads nowhere, to find its folder): a folder the process can enter is shown; a file is
// chosen in its folder; a path that leads nowhere shows its folder when that can be entered.
struct Target
{
    enum class Kind
    {
        Nowhere,
        Folder,
        File
    };
    Kind kind = Kind::Nowhere;
    // The folder to show, ending in "/"; empty for none.
    QString folder;
    // The file to choose in it.
    QString entry;
};
Target targetOf(const QString &path);
QString fileNameOf(const QString &path);
// The per-user data folder, created on demand, ending in "/".
QString dataFolder();
QString extensionOf(const QString &path, bool withDot);

// The current folder (ending in "/") followed by the entry's text for an index above 0;
// index 0, the ".." entry, gives the folder alone.
QString fullPath(const QString &folder, int index, const QString &entryText);
QString parentFolder(const QString &path);
QString lastComponent(const QString &path);

QString withSeparator(const QString &folder);
// The folder without its closing separator, as file system watchers name folders; "/" stays.
QString withoutSeparator(const QString &folder);
// The path made absolute against the base folder and cleaned of "." and ".." steps and doubled
// separators; a trailing separator is kept.
QString absoluteClean(const QString &path, const QString &base);
// A typed path's "~" or leading "~/" as the home folder, as a shell reads it; "~name" and a "~"
// further on are names like any other.
QString expandHome(const QString &typed, const QString &home);
// True for "/" and for the folder a volume is mounted on.
bool isMountRoot(const QString &folder);

} // namespace Paths
