// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/mpv/LibmpvRenderer.h"

#include "backends/mpv/MpvLogging.h"

#include <mpv/render_gl.h>

LibmpvRenderer::LibmpvRenderer(MpvEngine::ProcAddress procAddress) : m_procAddress(std::move(procAddress)) {}

std::unique_ptr<LibmpvRenderer> LibmpvRenderer::create(mpv_handle *player, MpvEngine::ProcAddress procAddress)
{
    std::unique_ptr<LibmpvRenderer> renderer(new LibmpvRenderer(std::move(procAddress)));
    mpv_opengl_init_params gl{
        [](void *self, const char *name) { return static_cast<LibmpvRenderer *>(self)->m_procAddress(name); },
        renderer.get()};
    // No advanced control: the player is driven from the thread that renders, and a call into the
    // player while its core waits for the renderer must end in a short wait, never a freeze.
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_OPENGL)},
                                 {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context *context = nullptr;
    if (!mpvSucceeded(mpv_render_context_create(&context, player, params), "start drawing video"))
        return nullptr;
    renderer->m_context = context;
    return renderer;
}

LibmpvRenderer::~LibmpvRenderer()
{
    if (!m_context)
        return;
    mpv_render_context_set_update_callback(m_context, nullptr, nullptr);
    mpv_render_context_free(m_context);
}

void LibmpvRenderer::setUpdateCallback(std::function<void()> update)
{
    mpv_render_context_set_update_callback(m_context, nullptr, nullptr);
    m_update = std::move(update);
    if (m_update)
        mpv_render_context_set_update_callback(
            m_context, [](void *self) { static_cast<LibmpvRenderer *>(self)->m_update(); }, this);
}

void LibmpvRenderer::render(int framebuffer, int width, int height)
{
    mpv_opengl_fbo fbo{framebuffer, width, height, 0};
    int flip = 1;
    // The window is painted now; the player keeps its own time.
    int block = 0;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                                 {MPV_RENDER_PARAM_FLIP_Y, &flip},
                                 {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context_render(m_context, params);
}
