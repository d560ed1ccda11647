// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QOpenGLWindow>
#include <functional>
#include <memory>

class MpvEngine;
class MpvVideoRenderer;

// The native window a video is drawn into through libmpv's render API. Being a window of its own,
// a frame redraws only the video, never the widgets around it. Clicks and keys pass through it to
// the widgets beneath. The player must outlive the surface.
class VideoSurface : public QOpenGLWindow
{
    Q_OBJECT

public:
    // The player is asked for when the surface is first drawn; a surface shown before anything was
    // played starts libmpv then.
    explicit VideoSurface(std::function<MpvEngine *()> player);
    ~VideoSurface() override;

    // Whether the player's frames are drawn; otherwise the surface is black. The player's last
    // frame may belong to the medium before, so it is drawn only while the open medium is a video.
    void setDrawing(bool drawing);

    // Whether the platform gives OpenGL contexts at all: a Wayland compositor may give its clients
    // no EGL, and an OpenGL window then fails on its first paint. Asked once a run.
    static bool openGlAvailable();

    // Whether the surface has set up its drawing (with or without a renderer): a file the player
    // starts from then on shows its video here.
    bool isReadyToDraw() const { return m_readyToDraw; }

Q_SIGNALS:
    void readyToDraw();

protected:
    bool event(QEvent *event) override;
    void initializeGL() override;
    void paintGL() override;

private:
    void makeRenderer();

    std::function<MpvEngine *()> m_playerSource;
    std::unique_ptr<MpvVideoRenderer> m_renderer;
    bool m_readyToDraw = false;
    bool m_drawing = false;
    // Whether the window has had a complete framebuffer to draw into.
    bool m_hasBuffer = false;
};
