// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MediaView.h"

#include "pictures/PictureLoader.h"
#include "playback/VideoSurface.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <utility>

MediaView::MediaView(std::function<MpvEngine *()> player, QWidget *parent)
    : QWidget(parent), m_surface(new VideoSurface(std::move(player))), m_coverLoader(new PictureLoader(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surfaceBox = QWidget::createWindowContainer(m_surface, this);
    m_surfaceBox->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_surfaceBox);
    connect(m_surface, &VideoSurface::readyToDraw, this, [this] {
        showSurfaceWhenNeeded();
        Q_EMIT readyToDraw();
    });
    connect(m_coverLoader, &PictureLoader::loaded, this,
            [this](const QString &path, const PictureDecoder::Result &result) {
                if (path != m_cover)
                    return;
                m_coverImage = result.image;
                m_coverNaturalSize = result.naturalSize;
                m_coverShown = QPixmap();
                update();
            });
}

bool MediaView::isReadyToDraw() const
{
    return m_surface->isReadyToDraw();
}

void MediaView::setContent(Content content, const QString &cover)
{
    if (cover != m_cover) {
        m_cover = cover;
        m_coverImage = QImage();
        m_coverShown = QPixmap();
        if (m_cover.isEmpty())
            m_coverLoader->cancel();
        else
            loadCover();
    }
    if (content == m_content)
        return;
    m_content = content;
    m_surface->setDrawing(content == Content::Video);
    showSurfaceWhenNeeded();
    update();
}

void MediaView::showSurfaceWhenNeeded()
{
    // The surface is shown once to set up its drawing and then only for a video, so that the
    // widgets drawn over the view (a level meter) stay in sight for sounds.
    m_surfaceBox->setVisible(m_content == Content::Video || !m_surface->isReadyToDraw());
}

void MediaView::loadCover()
{
    m_coverLoader->load(m_cover, size() * devicePixelRatioF());
}

void MediaView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A cover decoded reduced for a smaller view is read again for the larger one.
    if (m_coverImage.isNull() || m_coverImage.size() == m_coverNaturalSize)
        return;
    const QSize needed = m_coverNaturalSize.scaled(size() * devicePixelRatioF(), Qt::KeepAspectRatio)
                             .boundedTo(m_coverNaturalSize);
    if (needed.width() > m_coverImage.width())
        loadCover();
}

void MediaView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_content == Content::Cover)
        paintCover(painter);
    else if (m_content == Content::MusicGlyph)
        paintGlyph(painter);
}

void MediaView::paintCover(QPainter &painter)
{
    if (m_coverImage.isNull())
        return;
    // Fitted to the view, enlarged too, and scaled once per size: a level meter over the cover
    // repaints parts of it many times a second.
    const qreal ratio = devicePixelRatioF();
    // The picture's own proportions: decoded reduced, its sides are rounded apart.
    const QSize natural = m_coverNaturalSize.isValid() ? m_coverNaturalSize : m_coverImage.size();
    const QSize shown = natural.scaled(size() * ratio, Qt::KeepAspectRatio);
    if (m_coverShown.size() != shown) {
        m_coverShown =
            QPixmap::fromImage(m_coverImage.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_coverShown.setDevicePixelRatio(ratio);
    }
    const QSizeF logical = QSizeF(shown) / ratio;
    painter.drawPixmap(QPointF((width() - logical.width()) / 2, (height() - logical.height()) / 2),
                       m_coverShown);
}

void MediaView::paintGlyph(QPainter &painter)
{
    // Two beamed eighth notes, in a square of two fifths of the view.
    const double side = qMin(width(), height()) * 0.4;
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
