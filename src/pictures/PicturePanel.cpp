// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PicturePanel.h"

#include "pictures/PictureAnimation.h"
#include "pictures/PictureFit.h"
#include "pictures/PictureLoader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

// Changes of size that follow each other closely fit the picture again at most this often.
constexpr int RefitDelayMs = 150;

void paintErrorPicture(QPainter &painter, const QRect &area)
{
    painter.fillRect(area, QColor(255, 255, 255));
    painter.setPen(QPen(QColor(200, 0, 0), 6));
    painter.drawRect(area.adjusted(3, 3, -3, -3));
    painter.drawLine(area.topLeft() + QPoint(20, 20), area.bottomRight() - QPoint(20, 20));
    painter.drawLine(area.topRight() + QPoint(-20, 20), area.bottomLeft() + QPoint(20, -20));
}

} // namespace

PicturePanel::PicturePanel(QWidget *parent) : QWidget(parent), m_loader(new PictureLoader(this))
{
    setObjectName(QStringLiteral("picturePanel"));
    setToolTip(tr("Click for fullscreen, right-click or press ESC to return again."));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_refit = new QTimer(this);
    m_refit->setSingleShot(true);
    m_refit->setInterval(RefitDelayMs);
    connect(m_refit, &QTimer::timeout, this, &PicturePanel::refit);
    connect(m_loader, &PictureLoader::loaded, this, &PicturePanel::loaded);
}

PicturePanel::~PicturePanel()
{
    stopAnimation();
}

void PicturePanel::setPreloader(PicturePreloader *preloader)
{
    m_loader->setPreloader(preloader);
}

void PicturePanel::showPicture(const QString &path)
{
    stopAnimation();
    m_path = path;
    m_image = {};
    m_error = false;
    m_animated = false;
    m_loadedFor = QSize();
    // A panel not shown yet may not have its size yet either: it decodes once shown.
    if (isVisible())
        refit();
    update();
}

void PicturePanel::refit()
{
    if (m_path.isEmpty() || m_error || m_animated || size() == m_loadedFor)
        return;
    m_loadedFor = size();
    m_loader->load(m_path, m_loadedFor);
    watchWindowDrawn(m_image.isNull() && !m_error);
}

void PicturePanel::watchWindowDrawn(bool watch)
{
    QWindow *window = watch ? this->window()->windowHandle() : nullptr;
    if (window == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = window;
    if (window)
        window->installEventFilter(this);
}

bool PicturePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow &&
        (event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest))
        m_loader->deliverDecoded();
    return QWidget::eventFilter(watched, event);
}

void PicturePanel::clear()
{
    watchWindowDrawn(false);
    stopAnimation();
    m_loader->cancel();
    m_loadedFor = QSize();
    m_path.clear();
    m_image = {};
    m_error = false;
    m_animated = false;
    update();
}

void PicturePanel::loaded(const QString &path, const PictureDecoder::Result &result)
{
    if (path != m_path)
        return;
    watchWindowDrawn(false);
    const bool first = m_image.isNull() && !m_error;
    m_error = result.image.isNull();
    m_image = result.image;
    m_naturalSize = result.naturalSize;
    m_animated = result.animated;
    if (m_animated && first)
        startAnimation();
    update();
    if (first)
        Q_EMIT shown(path);
}

void PicturePanel::startAnimation()
{
    m_animation = new PictureAnimation(m_path, pictureArea().size(), this);
    connect(m_animation, &PictureAnimation::frameChanged, this, qOverload<>(&QWidget::update));
}

void PicturePanel::stopAnimation()
{
    delete m_animation;
    m_animation = nullptr;
}

QRect PicturePanel::pictureArea() const
{
    if (m_error)
        return PictureFit::fit(QSize(ErrorPictureSize, ErrorPictureSize), size());
    return PictureFit::fit(m_naturalSize, size());
}

void PicturePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_path.isEmpty())
        return;
    const QRect area = pictureArea();
    if (m_error) {
        paintErrorPicture(painter, area);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage frame = m_animation ? m_animation->currentFrame() : QImage();
    if (!frame.isNull())
        painter.drawImage(area, frame);
    else if (!m_image.isNull())
        painter.drawImage(area, m_image);
}

void PicturePanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_animation)
        m_animation->setFrameSize(pictureArea().size());
    // The first change of size is fitted at once (the window laid out as it is shown); those that
    // follow it closely (a border dragged) wait for the timer, which fits the last of them.
    if (!isVisible() || m_refit->isActive())
        return;
    refit();
    m_refit->start();
}

void PicturePanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refit();
}

void PicturePanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        !m_path.isEmpty())
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}
