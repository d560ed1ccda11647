// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/WmfLibrary.h"

#include "platform/DynamicLibrary.h"

namespace Wmf {

const WmfFunctions *functions()
{
    // The drawing library brings the metafile reader (libwmflite) with it; symbols are looked up in
    // both through its handle.
    return DynamicLibrary::loadOnce<WmfFunctions>("libwmf-0.2.so.7", [](void *library, WmfFunctions &table) {
        using DynamicLibrary::find;
        return find(library, "wmf_api_create", table.apiCreate) &&
               find(library, "wmf_api_destroy", table.apiDestroy) &&
               find(library, "wmf_mem_open", table.memOpen) && find(library, "wmf_scan", table.scan) &&
               find(library, "wmf_display_size", table.displaySize) &&
               find(library, "wmf_play", table.play) && find(library, "wmf_gd_function", table.gdFunction);
    });
}

} // namespace Wmf
