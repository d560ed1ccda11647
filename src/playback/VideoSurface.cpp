// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/VideoSurface.h"

#include "playback/MpvEngine.h"

#include <QEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <utility>

VideoSurface::VideoSurface(std::function<MpvEngine *()> player)
    : QOpenGLWindow(QOpenGLWindow::NoPartialUpdate), m_playerSource(std::move(player))
{
    setFlags(Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
}

VideoSurface::~VideoSurface()
{
    if (!m_renderer)
        return;
    // Freed with its GL context current.
    makeCurrent();
    m_renderer.reset();
    doneCurrent();
}

bool VideoSurface::openGlAvailable()
{
    static const bool available = QOpenGLContext().create();
    return available;
}

bool VideoSurface::event(QEvent *event)
{
    // Closing the window the surface is in takes its native window away at once, while an expose
    // of it may still wait in the queue behind the key that closed it: the paint Qt makes of that
    // expose would draw with no context current. Without a native window nothing can be seen.
    if (event->type() == QEvent::Paint && !handle())
        return true;
    return QOpenGLWindow::event(event);
}

void VideoSurface::initializeGL()
{
    makeRenderer();
    // Without a renderer the player is not kept waiting for one either.
    if (!std::exchange(m_readyToDraw, true))
        Q_EMIT readyToDraw();
}

void VideoSurface::makeRenderer()
{
    MpvEngine *player = m_playerSource();
    if (!player)
        return;
    m_renderer = player->createVideoRenderer([](const char *name) -> void * {
        QOpenGLContext *context = QOpenGLContext::currentContext();
        return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
    });
    if (!m_renderer)
        return;
    // Called on libmpv's thread whenever a frame is ready: the redraw happens on the GUI thread.
    m_renderer->setUpdateCallback([this] {
        QMetaObject::invokeMethod(this, qOverload<>(&QPaintDeviceWindow::update), Qt::QueuedConnection);
    });
}

void VideoSurface::setDrawing(bool drawing)
{
    if (std::exchange(m_drawing, drawing) != drawing)
        update();
}

void VideoSurface::paintGL()
{
    QOpenGLFunctions *gl = QOpenGLContext::currentContext()->functions();
    // Under Wayland the first paint may come before the window has a buffer to draw into: drawing
    // then would only leave an error behind, which libmpv would report as its own. Once there, the
    // buffer stays, and the frames that follow are not held up asking.
    if (!m_hasBuffer) {
        if (gl->glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
            return;
        m_hasBuffer = true;
    }
    if (m_renderer && m_drawing) {
        const qreal ratio = devicePixelRatio();
        m_renderer->render(int(defaultFramebufferObject()), int(width() * ratio), int(height() * ratio));
        return;
    }
    gl->glClearColor(0, 0, 0, 1);
    gl->glClear(GL_COLOR_BUFFER_BIT);
}
