// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mpv/client.h>
#include <mpv/render.h>
#include <mpv/stream_cb.h>

// libmpv, loaded when the first player starts rather than with the program: it brings a few
// hundred libraries (FFmpeg and its codecs) that a start-up without playing does not need. Each
// member is libmpv's function of that name.
struct MpvFunctions
{
    decltype(&mpv_create) create = nullptr;
    decltype(&mpv_initialize) initialize = nullptr;
    decltype(&mpv_terminate_destroy) terminateDestroy = nullptr;
    decltype(&mpv_set_option_string) setOptionString = nullptr;
    decltype(&mpv_command) command = nullptr;
    decltype(&mpv_set_property) setProperty = nullptr;
    decltype(&mpv_get_property) getProperty = nullptr;
    decltype(&mpv_get_property_async) getPropertyAsync = nullptr;
    decltype(&mpv_observe_property) observeProperty = nullptr;
    decltype(&mpv_wait_event) waitEvent = nullptr;
    decltype(&mpv_set_wakeup_callback) setWakeupCallback = nullptr;
    decltype(&mpv_stream_cb_add_ro) streamCbAddRo = nullptr;
    decltype(&mpv_render_context_create) renderContextCreate = nullptr;
    decltype(&mpv_render_context_set_update_callback) renderContextSetUpdateCallback = nullptr;
    decltype(&mpv_render_context_render) renderContextRender = nullptr;
    decltype(&mpv_render_context_free) renderContextFree = nullptr;
};

namespace Mpv {

// libmpv's functions, the library loaded on the first call; nothing when it cannot be loaded or
// lacks one of them.
const MpvFunctions *functions();

} // namespace Mpv
