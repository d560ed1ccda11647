// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/UserFolders.h"

#include "core/Paths.h"

#include <QDir>
#include <QStandardPaths>

namespace UserFolders {

namespace {

QString folderAt(QStandardPaths::StandardLocation location)
{
    const QString path = QStandardPaths::writableLocation(location);
    return path.isEmpty() ? path : Paths::withSeparator(path);
}

} // namespace

QList<Folder> existing()
{
    const QString home = folderAt(QStandardPaths::HomeLocation);
    QList<Folder> folders{{QStandardPaths::displayName(QStandardPaths::HomeLocation), home}};
    for (const QStandardPaths::StandardLocation location :
         {QStandardPaths::DesktopLocation, QStandardPaths::DocumentsLocation,
          QStandardPaths::DownloadLocation, QStandardPaths::MusicLocation, QStandardPaths::PicturesLocation,
          QStandardPaths::MoviesLocation}) {
        // A user folder not set up falls back to the home folder.
        const QString path = folderAt(location);
        // Named as the desktop shows it, by its own name, which xdg-user-dirs gives in the
        // person's language; Qt's names for the places ("Movies", "Download") are not the desktop's.
        if (!path.isEmpty() && path != home && Paths::folderExists(path))
            folders.append({QDir(path).dirName(), path});
    }
    return folders;
}

QString firstStart()
{
    const QString music = folderAt(QStandardPaths::MusicLocation);
    return !music.isEmpty() && Paths::folderExists(music) ? music : folderAt(QStandardPaths::HomeLocation);
}

} // namespace UserFolders
