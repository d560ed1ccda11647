// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MediaView.h"

#include "playback/MpvEngine.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <utility>

MediaView::MediaView(std::function<MpvEngine *()> player, QWidget *parent)
    : QOpenGLWidget(parent), m_playerSource(std::move(player))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

MediaView::~MediaView()
{
    // The renderer goes before the player.
    releaseRenderer();
}

void MediaView::releaseRenderer()
{
    if (!m_renderer)
        return;
    // Freed with its GL context current.
    makeCurrent();
    m_renderer.reset();
    doneCurrent();
}

void MediaView::initializeGL()
{
    makeRenderer();
    // Without a renderer the player is not kept waiting for one either.
    if (!std::exchange(m_readyToDraw, true))
        Q_EMIT readyToDraw();
}

void MediaView::makeRenderer()
{
    if (m_renderer)
        return;
    MpvEngine *player = m_playerSource();
    if (!player)
        return;
    m_renderer = player->createVideoRenderer([](const char *name) -> void * {
        QOpenGLContext *context = QOpenGLContext::currentContext();
        return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
    });
    if (!m_renderer)
        return;
    // Called on libmpv's thread whenever a frame is ready: the repaint happens on the GUI thread.
    m_renderer->setUpdateCallback(
        [this] { QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection); });
}

void MediaView::paintGL()
{
    if (!m_renderer) {
        QOpenGLContext::currentContext()->functions()->glClearColor(0, 0, 0, 1);
        QOpenGLContext::currentContext()->functions()->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    m_renderer->render(int(defaultFramebufferObject()), int(width() * ratio), int(height() * ratio));
}
