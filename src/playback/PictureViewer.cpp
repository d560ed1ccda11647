// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/PictureViewer.h"

#include "playback/PictureAnimation.h"
#include "playback/PictureLoader.h"
#include "playback/PicturePanel.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

PictureViewer::PictureViewer(const Hooks &hooks, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_hooks(hooks),
      m_loader(new PictureLoader(this))
{
    setObjectName(QStringLiteral("pictureViewer"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    setGeometry(screen->geometry());
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

void PictureViewer::showPicture(const QString &path)
{
    m_path = path;
    m_loader->load(path);
    checkMark();
    showBanner();
}

void PictureViewer::loaded(const QString &path, const PictureDecoder::Result &result)
{
    if (path != m_path)
        return;
    delete m_animation;
    m_animation = nullptr;
    if (result.animated) {
        m_animation = new PictureAnimation(path, QSize(), this);
        connect(m_animation, &PictureAnimation::frameChanged, this, qOverload<>(&QWidget::update));
    }
    m_image = result.image;
    if (m_image.isNull()) {
        m_image =
            QImage(PicturePanel::ErrorPictureSize, PicturePanel::ErrorPictureSize, QImage::Format_RGB32);
        m_image.fill(Qt::white);
    }
    centrePicture();
}

void PictureViewer::centrePicture()
{
    m_origin = QPoint(width() / 2 - m_image.width() / 2, height() / 2 - m_image.height() / 2);
    update();
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

void PictureViewer::showBanner()
{
    m_bannerTimer->stop();
    const QString name = m_hooks.chosenName().trimmed();
    if (name.isEmpty())
        return;
    QString information = m_hooks.information();
    information.remove(QLatin1String("\r\n"));
    information.remove(QLatin1Char('\n'));
    m_banner->setText(name + QLatin1Char('\n') + information.trimmed());
    m_banner->adjustSize();
    m_banner->move(width() - m_banner->width(), height() / 2 - m_banner->height());
    m_banner->show();
    m_banner->raise();
    m_bannerTimer->start();
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

void PictureViewer::keyPressEvent(QKeyEvent *event)
{
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
        m_hooks.nextFile();
        showBanner();
        return;
    case Qt::Key_PageUp:
        m_hooks.previousFile();
        showBanner();
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
    return QRect(m_origin, m_image.size()).contains(point);
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
        m_originAtPress = m_origin;
    }
}

void PictureViewer::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    m_origin = m_originAtPress + (event->position().toPoint() - m_pressedAt);
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

void PictureViewer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QImage frame = m_animation ? m_animation->currentFrame() : QImage();
    if (!frame.isNull())
        painter.drawImage(m_origin, frame);
    else if (!m_image.isNull())
        painter.drawImage(m_origin, m_image);
}

void PictureViewer::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    centrePicture();
    m_banner->move(width() - m_banner->width(), m_banner->y());
}
