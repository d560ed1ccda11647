// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureViewer.h"

#include "pictures/PictureAnimation.h"
#include "pictures/PictureLoader.h"
#include "pictures/PicturePanel.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

PictureViewer::PictureViewer(const Hooks &hooks, bool fitLarge, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_hooks(hooks),
      m_loader(new PictureLoader(this)), m_fitLarge(fitLarge)
{
    setObjectName(QStringLiteral("pictureViewer"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    setGeometry(screen->geometry());
    m_zoom.setView(size());
    setWindowState(Qt::WindowFullScreen);

    m_mark = new QLabel(QStringLiteral("S"), this);
    m_mark->setObjectName(QStringLiteral("editListMark"));
    m_mark->setAlignment(Qt::AlignCenter);
    m_mark->setFixedSize(24, 24);
    m_mark->setStyleSheet(QStringLiteral("background: #0000ff; color: white; font-weight: bold;"));
    m_mark->setToolTip(tr("This mark indicates that this picture is added to the EditList. Use "
                          "Space/Shift-Space to add/remove it."));
    m_mark->move(8, 8);
    m_mark->hide();

    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("banner"));
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setMargin(8);
    m_banner->setStyleSheet(QStringLiteral("background: rgba(0, 0, 0, 180); color: white;"));
    m_banner->hide();
    m_bannerTimer = new QTimer(this);
    m_bannerTimer->setSingleShot(true);
    m_bannerTimer->setInterval(BannerMs);
    connect(m_bannerTimer, &QTimer::timeout, m_banner, &QWidget::hide);
    connect(m_loader, &PictureLoader::loaded, this, &PictureViewer::loaded);
}

PictureViewer::~PictureViewer() = default;

void PictureViewer::setPreloader(PicturePreloader *preloader)
{
    m_loader->setPreloader(preloader);
}

void PictureViewer::showPicture(const QString &path)
{
    m_path = path;
    m_loaded = false;
    // Fitted, a large picture is decoded no larger than the screen shows it.
    m_loader->load(path, decodingPanel());
    checkMark();
    showBanner();
}

void PictureViewer::loaded(const QString &path, const PictureDecoder::Result &result)
{
    if (path != m_path)
        return;
    if (!m_loaded) {
        firstLoaded(path, result);
        return;
    }
    // The picture at its own size, asked for by a zoom past the size it was decoded at.
    if (!result.image.isNull())
        m_image = result.image;
    update();
}

void PictureViewer::firstLoaded(const QString &path, const PictureDecoder::Result &result)
{
    m_loaded = true;
    delete m_animation;
    m_animation = nullptr;
    if (result.animated) {
        m_animation = new PictureAnimation(path, QSize(), this);
        connect(m_animation, &PictureAnimation::frameChanged, this, qOverload<>(&QWidget::update));
    }
    m_image = result.image;
    const bool error = m_image.isNull();
    m_naturalSize = error ? QSize() : result.naturalSize;
    QSize natural = result.naturalSize;
    if (error) {
        natural = QSize(PicturePanel::ErrorPictureSize, PicturePanel::ErrorPictureSize);
        m_image = QImage(natural, QImage::Format_RGB32);
        m_image.fill(Qt::white);
    }
    m_fullSize = error || m_image.size() == natural;
    m_zoom.setView(size());
    m_zoom.setPicture(natural, m_fitLarge);
    placed();
    if (m_banner->isVisible())
        setBannerText();
}

void PictureViewer::placed()
{
    const QSize shown = m_zoom.area().size().toSize();
    // An animation's frames are scaled down as they are decoded, never up.
    if (m_animation)
        m_animation->setFrameSize(m_zoom.scale() < 1.0 ? shown : QSize());
    if (!m_fullSize && (shown.width() > m_image.width() || shown.height() > m_image.height())) {
        m_fullSize = true;
        m_loader->load(m_path);
    }
    update();
}

void PictureViewer::zoomAbout(int steps, const QPointF &anchor)
{
    if (!m_loaded || steps == 0)
        return;
    m_zoom.zoom(steps, anchor);
    placed();
    showBanner();
}

bool PictureViewer::bannerShown() const
{
    return m_banner->isVisible();
}

QString PictureViewer::bannerText() const
{
    return m_banner->text();
}

bool PictureViewer::markShown() const
{
    return m_mark->isVisible();
}

void PictureViewer::refreshBanner()
{
    if (m_banner->isVisible())
        setBannerText();
}

void PictureViewer::showBanner()
{
    m_bannerTimer->stop();
    if (m_hooks.chosenName().trimmed().isEmpty())
        return;
    setBannerText();
    m_banner->show();
    m_banner->raise();
    m_bannerTimer->start();
}

void PictureViewer::setBannerText()
{
    QString information = m_hooks.information();
    information.remove(QLatin1String("\r\n"));
    information.remove(QLatin1Char('\n'));
    QString text = m_hooks.chosenName().trimmed() + QLatin1Char('\n') + information.trimmed();
    QStringList facts;
    const PicturePosition position = m_hooks.position();
    if (position.number > 0)
        facts << tr("%1 / %2").arg(position.number).arg(position.count);
    if (m_loaded && !m_naturalSize.isEmpty())
        facts << tr("%1 x %2").arg(m_naturalSize.width()).arg(m_naturalSize.height());
    if (!facts.isEmpty())
        text += QLatin1Char('\n') + facts.join(QLatin1String("    "));
    if (m_loaded && m_zoom.percent() != 100)
        text += QLatin1Char('\n') + tr("Zoom : %1 %").arg(m_zoom.percent());
    m_banner->setText(text);
    m_banner->adjustSize();
    m_banner->move(width() - m_banner->width(), height() / 2 - m_banner->height());
}

void PictureViewer::checkMark()
{
    const bool marked = m_hooks.chosenIsOnEditList();
    m_mark->setVisible(marked);
    if (marked)
        m_mark->raise();
}

void PictureViewer::setTopmost(bool on)
{
    // setWindowFlag() would hide the window, which ends a modal viewer's exec(): the flag is
    // changed on the widget and on its native window alone, and the viewer stays shown.
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    overrideWindowFlags(flags);
    if (QWindow *window = windowHandle())
        window->setFlags(flags);
}

bool PictureViewer::arrowKey(QKeyEvent *event)
{
    // A picture larger than the screen is panned the way it overflows; otherwise Left and Right
    // step through the list as Page Up and Page Down do.
    const int key = event->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    const Qt::Orientation orientation =
        key == Qt::Key_Left || key == Qt::Key_Right ? Qt::Horizontal : Qt::Vertical;
    const int way = key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1;
    // Until the next picture has arrived, the one still shown does not decide.
    if (m_loaded && m_zoom.overflows(orientation)) {
        m_zoom.pan(orientation, way);
        update();
    } else if (orientation == Qt::Horizontal) {
        step(way);
    }
    return true;
}

void PictureViewer::step(int by)
{
    if (by > 0)
        m_hooks.nextFile();
    else
        m_hooks.previousFile();
    showBanner();
}

bool PictureViewer::zoomKey(QKeyEvent *event)
{
    QPointF anchor = mapFromGlobal(QCursor::pos());
    if (!rect().contains(anchor.toPoint()))
        anchor = rect().center();
    switch (event->key()) {
    case Qt::Key_Plus:
        zoomAbout(1, anchor);
        return true;
    case Qt::Key_Minus:
        zoomAbout(-1, anchor);
        return true;
    case Qt::Key_0:
        m_zoom.fit();
        break;
    case Qt::Key_1:
        m_zoom.showNaturalSize();
        break;
    default:
        return false;
    }
    if (m_loaded) {
        placed();
        showBanner();
    }
    return true;
}

void PictureViewer::keyPressEvent(QKeyEvent *event)
{
    if (zoomKey(event) || arrowKey(event))
        return;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (shift) {
            setTopmost(false);
        } else {
            m_hooks.stopAutoAdvance();
            accept();
        }
        return;
    case Qt::Key_Space:
        if (shift)
            m_hooks.removeFromEditList();
        else
            m_hooks.addToEditList();
        checkMark();
        showBanner();
        return;
    case Qt::Key_F2:
        m_hooks.toggleAutoAdvance();
        return;
    case Qt::Key_PageDown:
        step(1);
        return;
    case Qt::Key_PageUp:
        step(-1);
        return;
    case Qt::Key_Delete:
        m_hooks.deleteFile();
        return;
    case Qt::Key_Home:
        m_hooks.firstFile();
        showBanner();
        return;
    case Qt::Key_End:
        m_hooks.lastFile();
        showBanner();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool PictureViewer::onPicture(const QPoint &point) const
{
    return m_zoom.area().contains(point);
}

void PictureViewer::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton || (event->button() != Qt::LeftButton && onPicture(at))) {
        accept();
        return;
    }
    if (event->button() == Qt::LeftButton && onPicture(at) && !m_dragging) {
        m_dragging = true;
        m_pressedAt = at;
        m_originAtPress = m_zoom.area().topLeft();
    }
}

void PictureViewer::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    m_zoom.moveTo(m_originAtPress + (event->position().toPoint() - m_pressedAt));
    update();
}

void PictureViewer::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void PictureViewer::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (onPicture(event->position().toPoint()))
        accept();
}

void PictureViewer::wheelEvent(QWheelEvent *event)
{
    // A wheel of finer steps acts once a notch's worth has turned. Without Ctrl it steps through
    // the list while the whole picture is on the screen, turned towards the user for the next one.
    m_wheelTurn += event->angleDelta().y();
    const int steps = m_wheelTurn / QWheelEvent::DefaultDeltasPerStep;
    m_wheelTurn -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (!(event->modifiers() & Qt::ControlModifier) && (!m_loaded || m_zoom.fits())) {
        if (steps != 0)
            step(-steps);
        return;
    }
    zoomAbout(steps, event->position());
}

void PictureViewer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // The picture shown stays until the next one has arrived.
    if (m_image.isNull())
        return;
    const QImage frame = m_animation ? m_animation->currentFrame() : QImage();
    const QImage &shown = frame.isNull() ? m_image : frame;
    const QRectF area = m_zoom.area();
    if (shown.size() == area.size().toSize()) {
        painter.drawImage(area.topLeft(), shown);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, shown);
}

void PictureViewer::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_zoom.setView(size());
    if (m_loaded)
        placed();
    m_banner->move(width() - m_banner->width(), m_banner->y());
}
