// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Draws the video of an mpv engine into an OpenGL framebuffer. It is made, used and deleted with
// the same OpenGL context current; deleting it ends the file playing.
class MpvVideoRenderer
{
public:
    virtual ~MpvVideoRenderer() = default;

    // Called on libmpv's thread whenever a new frame is ready to be drawn.
    virtual void setUpdateCallback(std::function<void()> update) = 0;
    // Draws the current frame, upside down as OpenGL counts rows, without waiting for its time.
    virtual void render(int framebuffer, int width, int height) = 0;
};
