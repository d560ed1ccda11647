// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FreedesktopTrash.h"

#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"
#include "platform/TrashModule.h"

int FreedesktopTrash::moveToTrash(const QString &path)
{
    QString target = path;
    // A folder is trashed under its own name, not as an empty name after its separator.
    while (target.size() > 1 && target.endsWith(QLatin1Char('/')))
        target.chop(1);
    if (target.isEmpty())
        return 1;
    TrashModule *trash = ModuleLoader::load<TrashModule>(QStringLiteral("gio"));
    if (!trash)
        return 2;
    return trash->moveToTrash(NativePath::toBytes(target)).isEmpty() ? 0 : 2;
}
