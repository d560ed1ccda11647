// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// A person's own folders: the home folder and the user folders of the desktop (Desktop, Documents,
// Downloads, Music, Pictures, Videos) that exist, as the desktop names them.
namespace UserFolders {

struct Folder
{
    QString name;
    // Ending in "/".
    QString path;
};

// The home folder first, then the user folders that exist and are not the home folder itself.
QList<Folder> existing();

// Where a first start opens: the music folder when it exists, else the home folder.
QString firstStart();

} // namespace UserFolders
