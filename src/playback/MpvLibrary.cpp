// SPDX-License-Identifier: GPL-3.0-or-later
#include "MpvLibrary.h"

#include "DynamicLibrary.h"

#include <mutex>

namespace {

// libmpv's functions, looked up once. Every one must be found, or none is used.
struct Functions
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
    bool loaded = false;
};

const Functions &functions()
{
    static Functions table;
    static std::once_flag once;
    std::call_once(once, [] {
        void *library = DynamicLibrary::open("libmpv.so.2");
        if (library == nullptr)
            return;
        Functions found;
        found.loaded =
            DynamicLibrary::find(library, "mpv_create", found.create) &&
            DynamicLibrary::find(library, "mpv_initialize", found.initialize) &&
            DynamicLibrary::find(library, "mpv_terminate_destroy", found.terminateDestroy) &&
            DynamicLibrary::find(library, "mpv_set_option_string", found.setOptionString) &&
            DynamicLibrary::find(library, "mpv_command", found.command) &&
            DynamicLibrary::find(library, "mpv_set_property", found.setProperty) &&
            DynamicLibrary::find(library, "mpv_get_property", found.getProperty) &&
            DynamicLibrary::find(library, "mpv_get_property_async", found.getPropertyAsync) &&
            DynamicLibrary::find(library, "mpv_observe_property", found.observeProperty) &&
            DynamicLibrary::find(library, "mpv_wait_event", found.waitEvent) &&
            DynamicLibrary::find(library, "mpv_set_wakeup_callback", found.setWakeupCallback) &&
            DynamicLibrary::find(library, "mpv_stream_cb_add_ro", found.streamCbAddRo) &&
            DynamicLibrary::find(library, "mpv_render_context_create", found.renderContextCreate) &&
            DynamicLibrary::find(library, "mpv_render_context_set_update_callback",
                                 found.renderContextSetUpdateCallback) &&
            DynamicLibrary::find(library, "mpv_render_context_render", found.renderContextRender) &&
            DynamicLibrary::find(library, "mpv_render_context_free", found.renderContextFree);
        if (found.loaded)
            table = found;
    });
    return table;
}

} // namespace

namespace Mpv {

mpv_handle *create()
{
    return functions().loaded ? functions().create() : nullptr;
}

int initialize(mpv_handle *ctx)
{
    return functions().initialize(ctx);
}

void terminateDestroy(mpv_handle *ctx)
{
    functions().terminateDestroy(ctx);
}

int setOptionString(mpv_handle *ctx, const char *name, const char *data)
{
    return functions().setOptionString(ctx, name, data);
}

int command(mpv_handle *ctx, const char **args)
{
    return functions().command(ctx, args);
}

int setProperty(mpv_handle *ctx, const char *name, mpv_format format, void *data)
{
    return functions().setProperty(ctx, name, format, data);
}

int getProperty(mpv_handle *ctx, const char *name, mpv_format format, void *data)
{
    return functions().getProperty(ctx, name, format, data);
}

int getPropertyAsync(mpv_handle *ctx, uint64_t replyUserdata, const char *name, mpv_format format)
{
    return functions().getPropertyAsync(ctx, replyUserdata, name, format);
}

int observeProperty(mpv_handle *ctx, uint64_t replyUserdata, const char *name, mpv_format format)
{
    return functions().observeProperty(ctx, replyUserdata, name, format);
}

mpv_event *waitEvent(mpv_handle *ctx, double timeout)
{
    return functions().waitEvent(ctx, timeout);
}

void setWakeupCallback(mpv_handle *ctx, void (*callback)(void *data), void *data)
{
    functions().setWakeupCallback(ctx, callback, data);
}

int streamCbAddRo(mpv_handle *ctx, const char *protocol, void *userData, mpv_stream_cb_open_ro_fn open)
{
    return functions().streamCbAddRo(ctx, protocol, userData, open);
}

int renderContextCreate(mpv_render_context **result, mpv_handle *mpv, mpv_render_param *params)
{
    return functions().renderContextCreate(result, mpv, params);
}

void renderContextSetUpdateCallback(mpv_render_context *ctx, mpv_render_update_fn callback, void *callbackCtx)
{
    functions().renderContextSetUpdateCallback(ctx, callback, callbackCtx);
}

int renderContextRender(mpv_render_context *ctx, mpv_render_param *params)
{
    return functions().renderContextRender(ctx, params);
}

void renderContextFree(mpv_render_context *ctx)
{
    functions().renderContextFree(ctx);
}

} // namespace Mpv
