// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gio/gio.h>

// GIO, loaded when the first file is moved to the trash rather than with the program (it brings
// GObject, libmount, libselinux and more). Each member is GIO's function of that name.
struct GioFunctions
{
    decltype(&g_file_new_for_path) fileNewForPath = nullptr;
    decltype(&g_file_trash) fileTrash = nullptr;
    decltype(&g_io_error_quark) ioErrorQuark = nullptr;
    decltype(&g_clear_error) clearError = nullptr;
    decltype(&g_object_unref) objectUnref = nullptr;
};

namespace Gio {

// GIO's functions, the library loaded on the first call; nothing when it cannot be loaded or lacks
// one of them.
const GioFunctions *functions();

} // namespace Gio
