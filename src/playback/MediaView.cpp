// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MediaView.h"

#include "playback/MpvEngine.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>
#include <QPainterPath>
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

void MediaView::setContent(Content content)
{
    if (content == m_content)
        return;
    m_content = content;
    update();
}

void MediaView::paintGL()
{
    // The player's last picture may belong to the medium before: it is drawn only once the open
    // medium is known to have pictures.
    if (m_renderer && m_content == Content::Pictures) {
        const qreal ratio = devicePixelRatioF();
        m_renderer->render(int(defaultFramebufferObject()), int(width() * ratio), int(height() * ratio));
        return;
    }
    QOpenGLContext::currentContext()->functions()->glClearColor(0, 0, 0, 1);
    QOpenGLContext::currentContext()->functions()->glClear(GL_COLOR_BUFFER_BIT);
    if (m_content == Content::MusicGlyph)
        paintGlyph();
}

void MediaView::paintGlyph()
{
    // Two beamed eighth notes, in a square of two fifths of the view.
    const double side = qMin(width(), height()) * 0.4;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((width() - side) / 2, (height() - side) / 2);
    painter.scale(side / 100, side / 100);
    QPainterPath note;
    for (const QPointF head : {QPointF(22, 82), QPointF(78, 70)}) {
        QPainterPath oval;
        oval.addEllipse(QPointF(0, 0), 15, 11);
        note.addPath(QTransform().translate(head.x(), head.y()).rotate(-25).map(oval));
        note.addRect(QRectF(head.x() + 10, head.y() - 70, 6, 70));
    }
    QPolygonF beam;
    beam << QPointF(32, 12) << QPointF(94, 0) << QPointF(94, 14) << QPointF(32, 26);
    note.addPolygon(beam);
    note.setFillRule(Qt::WindingFill);
    painter.fillPath(note, QColor(120, 120, 120));
}
