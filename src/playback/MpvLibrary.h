// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mpv/client.h>
#include <mpv/render.h>
#include <mpv/stream_cb.h>

// libmpv, loaded when the first player starts rather than with the program: it brings a few
// hundred libraries (FFmpeg and its codecs) that a start-up without playing does not need. Each
// function is libmpv's own of the same name. create() answers nothing when the library cannot be
// loaded; the others are only called with what create() made.
namespace Mpv {

mpv_handle *create();
int initialize(mpv_handle *ctx);
void terminateDestroy(mpv_handle *ctx);
int setOptionString(mpv_handle *ctx, const char *name, const char *data);
int command(mpv_handle *ctx, const char **args);
int setProperty(mpv_handle *ctx, const char *name, mpv_format format, void *data);
int getProperty(mpv_handle *ctx, const char *name, mpv_format format, void *data);
int getPropertyAsync(mpv_handle *ctx, uint64_t replyUserdata, const char *name, mpv_format format);
int observeProperty(mpv_handle *ctx, uint64_t replyUserdata, const char *name, mpv_format format);
mpv_event *waitEvent(mpv_handle *ctx, double timeout);
void setWakeupCallback(mpv_handle *ctx, void (*callback)(void *data), void *data);
int streamCbAddRo(mpv_handle *ctx, const char *protocol, void *userData, mpv_stream_cb_open_ro_fn open);
int renderContextCreate(mpv_render_context **result, mpv_handle *mpv, mpv_render_param *params);
void renderContextSetUpdateCallback(mpv_render_context *ctx, mpv_render_update_fn callback,
                                    void *callbackCtx);
int renderContextRender(mpv_render_context *ctx, mpv_render_param *params);
void renderContextFree(mpv_render_context *ctx);

} // namespace Mpv
