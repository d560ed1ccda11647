// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MediaView.h"

#include "playback/MpvLibrary.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <mpv/render_gl.h>

namespace {

void *procAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

} // namespace

MediaView::MediaView(std::function<mpv_handle *()> player, QWidget *parent)
    : QOpenGLWidget(parent), m_playerSource(std::move(player))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

MediaView::~MediaView()
{
    // The render context goes before the player.
    releaseRenderer();
}

void MediaView::releaseRenderer()
{
    if (!m_render)
        return;
    // Freed with its GL context current.
    makeCurrent();
    Mpv::functions()->renderContextSetUpdateCallback(m_render, nullptr, nullptr);
    Mpv::functions()->renderContextFree(m_render);
    m_render = nullptr;
    doneCurrent();
}

void MediaView::initializeGL()
{
    if (m_render)
        return;
    m_player = m_playerSource();
    if (!m_player)
        return;
    mpv_opengl_init_params gl{procAddress, nullptr};
    // No advanced control: the player is driven from this same GUI thread, and a call into the
    // player while its core waits for the renderer must end in a short wait, never a freeze.
    mpv_render_param params[] = {{MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_OPENGL)},
                                 {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    if (Mpv::functions()->renderContextCreate(&m_render, m_player, params) < 0) {
        m_render = nullptr;
        return;
    }
    // Called on libmpv's thread whenever a frame is ready: the repaint happens on the GUI thread.
    Mpv::functions()->renderContextSetUpdateCallback(
        m_render,
        [](void *view) {
            QMetaObject::invokeMethod(static_cast<MediaView *>(view), qOverload<>(&QWidget::update),
                                      Qt::QueuedConnection);
        },
        this);
}

void MediaView::paintGL()
{
    if (!m_render) {
        QOpenGLContext::currentContext()->functions()->glClearColor(0, 0, 0, 1);
        QOpenGLContext::currentContext()->functions()->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{int(defaultFramebufferObject()), int(width() * ratio), int(height() * ratio), 0};
    int flip = 1;
    // The window is painted now; the player keeps its own time.
    int block = 0;
    mpv_render_param params[] = {{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                                 {MPV_RENDER_PARAM_FLIP_Y, &flip},
                                 {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
                                 {MPV_RENDER_PARAM_INVALID, nullptr}};
    Mpv::functions()->renderContextRender(m_render, params);
}
