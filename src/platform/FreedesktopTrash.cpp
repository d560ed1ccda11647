// SPDX-License-Identifier: GPL-3.0-or-later
#include "FreedesktopTrash.h"

#include "NativePath.h"

#include <gio/gio.h>

int FreedesktopTrash::moveToTrash(const QString &path)
{
    QString target = path;
    // A folder is trashed under its own name, not as an empty name after its separator.
    while (target.size() > 1 && target.endsWith(QLatin1Char('/')))
        target.chop(1);
    if (target.isEmpty())
        return 1;
    GFile *file = g_file_new_for_path(NativePath::toBytes(target).constData());
    GError *error = nullptr;
    // GIO writes the percent-encoded .trashinfo, uses the trash of the item's own volume, and
    // answers with an error where the name is too long for a trash entry.
    const gboolean trashed = g_file_trash(file, nullptr, &error);
    int result = 0;
    if (!trashed) {
        result = error && error->domain == G_IO_ERROR ? 100 + error->code : 2;
        g_clear_error(&error);
    }
    g_object_unref(file);
    return result;
}
