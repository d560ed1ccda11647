// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The freedesktop desktop entry that lets file managers offer "Browse with Kestrove..." for media
// files and folders ("Open With"). It never touches the user's default applications.
namespace BrowseDesktopEntry {

inline constexpr QLatin1String FileName("kestrove-browse.desktop");

// The executable as one argument of an Exec line: quoted and escaped by the desktop entry rules
// ("%" doubled; '"', '`', '$' and '\' escaped inside the quotes; then the string escapes of the
// file). Nothing for a path whose bytes are not UTF-8, which a desktop entry cannot hold.
std::optional<QString> execArgument(const QByteArray &executable);
// The whole entry; nothing when the executable cannot be written into it.
std::optional<QString> text(const QByteArray &executable, const QStringList &mimeTypes);
// Writes the entry into the folder (created when missing), replacing it whole; false when that
// cannot be done.
bool write(const QString &folder, const QByteArray &executable, const QStringList &mimeTypes);
// Removes the entry; true when it is gone (or was never there).
bool remove(const QString &folder);

} // namespace BrowseDesktopEntry
