// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MpvLibrary.h"

#include "platform/DynamicLibrary.h"

namespace Mpv {

const MpvFunctions *functions()
{
    return DynamicLibrary::loadOnce<MpvFunctions>("libmpv.so.2", [](void *library, MpvFunctions &table) {
        using DynamicLibrary::find;
        return find(library, "mpv_create", table.create) &&
               find(library, "mpv_initialize", table.initialize) &&
               find(library, "mpv_terminate_destroy", table.terminateDestroy) &&
               find(library, "mpv_set_option_string", table.setOptionString) &&
               find(library, "mpv_command", table.command) &&
               find(library, "mpv_set_property", table.setProperty) &&
               find(library, "mpv_get_property", table.getProperty) &&
               find(library, "mpv_get_property_async", table.getPropertyAsync) &&
               find(library, "mpv_observe_property", table.observeProperty) &&
               find(library, "mpv_wait_event", table.waitEvent) &&
               find(library, "mpv_set_wakeup_callback", table.setWakeupCallback) &&
               find(library, "mpv_stream_cb_add_ro", table.streamCbAddRo) &&
               find(library, "mpv_render_context_create", table.renderContextCreate) &&
               find(library, "mpv_render_context_set_update_callback",
                    table.renderContextSetUpdateCallback) &&
               find(library, "mpv_render_context_render", table.renderContextRender) &&
               find(library, "mpv_render_context_free", table.renderContextFree);
    });
}

} // namespace Mpv
