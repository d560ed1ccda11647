// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MpvEngine.h"

struct mpv_handle;
struct mpv_render_context;

// libmpv's OpenGL render context.
class LibmpvRenderer : public MpvVideoRenderer
{
public:
    // A renderer in the current OpenGL context; nothing when libmpv cannot draw there.
    static std::unique_ptr<LibmpvRenderer> create(mpv_handle *player, MpvEngine::ProcAddress procAddress);
    ~LibmpvRenderer() override;
    LibmpvRenderer(const LibmpvRenderer &) = delete;
    LibmpvRenderer &operator=(const LibmpvRenderer &) = delete;

    void setUpdateCallback(std::function<void()> update) override;
    void render(int framebuffer, int width, int height) override;

private:
    explicit LibmpvRenderer(MpvEngine::ProcAddress procAddress);

    MpvEngine::ProcAddress m_procAddress;
    std::function<void()> m_update;
    mpv_render_context *m_context = nullptr;
};
