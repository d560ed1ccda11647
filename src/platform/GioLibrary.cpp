// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GioLibrary.h"

#include "platform/DynamicLibrary.h"

namespace Gio {

const GioFunctions *functions()
{
    // GObject's and GLib's functions are found through GIO's handle, which loads them.
    return DynamicLibrary::loadOnce<GioFunctions>("libgio-2.0.so.0", [](void *library, GioFunctions &table) {
        using DynamicLibrary::find;
        return find(library, "g_file_new_for_path", table.fileNewForPath) &&
               find(library, "g_file_trash", table.fileTrash) &&
               find(library, "g_io_error_quark", table.ioErrorQuark) &&
               find(library, "g_clear_error", table.clearError) &&
               find(library, "g_object_unref", table.objectUnref);
    });
}

} // namespace Gio
