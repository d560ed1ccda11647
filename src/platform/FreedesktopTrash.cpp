// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FreedesktopTrash.h"

#include "platform/GioLibrary.h"
#include "platform/NativePath.h"

int FreedesktopTrash::moveToTrash(const QString &path)
{
    QString target = path;
    // A folder is trashed under its own name, not as an empty name after its separator.
    while (target.size() > 1 && target.endsWith(QLatin1Char('/')))
        target.chop(1);
    if (target.isEmpty())
        return 1;
    const GioFunctions *gio = Gio::functions();
    if (!gio)
        return 2;
    GFile *file = gio->fileNewForPath(NativePath::toBytes(target).constData());
    GError *error = nullptr;
    // GIO writes the percent-encoded .trashinfo, uses the trash of the item's own volume, and
    // answers with an error where the name is too long for a trash entry.
    const gboolean trashed = gio->fileTrash(file, nullptr, &error);
    int result = 0;
    if (!trashed) {
        result = error && error->domain == gio->ioErrorQuark() ? 100 + error->code : 2;
        gio->clearError(&error);
    }
    gio->objectUnref(file);
    return result;
}
