// SPDX-License-Identifier: GPL-3.0-or-later
#include "FreedesktopTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace {

// Qt 6.4 reports success but moves the item into the working folder when the data folder is
// missing; only a path inside a trash folder counts as trashed.
bool insideTrash(const QString &trashedPath)
{
    if (!QDir::isAbsolutePath(trashedPath))
        return false;
    const QString uidTrash = QStringLiteral("/.Trash-%1/").arg(::getuid());
    return trashedPath.contains(QLatin1String("/Trash/")) || trashedPath.contains(uidTrash) ||
           trashedPath.contains(QStringLiteral("/.Trash/%1/").arg(::getuid()));
}

} // namespace

int FreedesktopTrash::moveToTrash(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).exists())
        return 1;
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString trashed;
    if (!QFile::moveToTrash(path, &trashed))
        return 2;
    if (!insideTrash(trashed)) {
        // Put back what went astray, so the item is where the user left it.
        if (!trashed.isEmpty() && QFileInfo::exists(trashed))
            QFile::rename(trashed, path);
        return 3;
    }
    return 0;
}
