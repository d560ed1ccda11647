#pragma once

#include <QString>

// The path procedures every part of the program shares. Folder paths handed between procedures
// end in "/" and names are appended to them directly.
namespace PathProcedures {

inline constexpr QChar Separator = QLatin1Char('/');

// True when the path is a folder the process could enter; the working directory is not changed.
bool FolderExists(const QString &path);
// False for empty text and for folders; otherwise true exactly when the entry's attributes can be read.
bool FileExists(const QString &path);
QString FolderOf(const QString &path);
QString FileNameOf(const QString &path);
// The per-user data folder, created on demand, ending in "/".
QString AppPath();
QString ExtensionOf(const QString &path, bool withDot);

// The current folder (ending in "/") followed by the entry's text for an index above 0;
// index 0, the ".." entry, gives the folder alone.
QString GetFullPath(const QString &folder, int index, const QString &entryText);
QString GetPrevPath(const QString &path);
QString GetLastPath(const QString &path);

QString WithSeparator(const QString &folder);

} // namespace PathProcedures
