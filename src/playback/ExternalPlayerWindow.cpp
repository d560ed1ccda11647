// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/ExternalPlayerWindow.h"

#include "playback/MediaPlayer.h"
#include "playback/PositionReadOut.h"
#include "playback/VideoArea.h"
#include "widgets/JumpClickStyle.h"
#include "widgets/TransportGlyph.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

ExternalPlayerWindow::ExternalPlayerWindow(MediaPlayer &player, QWidget *parent)
    : QDialog(parent), m_player(player)
{
    setWindowTitle(tr("Media Player"));
    setObjectName(QStringLiteral("externalPlayerWindow"));
    setSizeGripEnabled(true);
    m_view = makeVideoArea(player, this);

    m_playPause = new QToolButton(this);
    m_playPause->setObjectName(QStringLiteral("playPause"));
    m_playPause->setAutoRaise(true);
    m_position = new QSlider(Qt::Horizontal, this);
    m_position->setObjectName(QStringLiteral("positionBar"));
    m_position->setAccessibleName(tr("Position"));
    m_position->setFocusPolicy(Qt::NoFocus);
    auto *jumping = new JumpClickStyle;
    jumping->setParent(m_position);
    m_position->setStyle(jumping);
    m_readOut = new QLabel(PositionReadOut::text(0, 0), this);
    m_readOut->setObjectName(QStringLiteral("readOut"));

    auto *controls = new QHBoxLayout;
    controls->setContentsMargins(4, 2, 4, 2);
    controls->addWidget(m_playPause);
    controls->addWidget(m_position, 1);
    controls->addWidget(m_readOut);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addLayout(controls);

    connect(m_playPause, &QToolButton::clicked, this, &ExternalPlayerWindow::togglePlaying);
    connect(m_position, &QSlider::sliderMoved, this, &ExternalPlayerWindow::seekTo);
    connect(m_position, &QSlider::actionTriggered, this, [this] {
        if (!m_position->isSliderDown())
            seekTo(m_position->sliderPosition());
    });
    connect(&player, &MediaPlayer::positionChanged, this, &ExternalPlayerWindow::showPosition);
    connect(&player, &MediaPlayer::modeChanged, this, &ExternalPlayerWindow::showMode);
    connect(&player, &MediaPlayer::fileOpened, this, [this] {
        showPosition(m_player.position());
        const QSize video = m_player.videoSize();
        if (!video.isEmpty())
            resize(video.width(), video.height() + height() - m_view->height());
    });
    showMode(player.mode());
    // A medium already open is measured now: a click on the bar seeks within its whole length.
    showPosition(qMax(qint64(0), player.position()));
    resize(480, 360);
}

void ExternalPlayerWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        togglePlaying();
    else
        QDialog::keyPressEvent(event);
}

void ExternalPlayerWindow::togglePlaying()
{
    if (m_player.mode() == MediaPlayer::Playing)
        m_player.pause();
    else
        m_player.play();
}

void ExternalPlayerWindow::showPosition(qint64 milliseconds)
{
    const qint64 length = qMax(qint64(0), m_player.length());
    m_position->setMaximum(int(qMin(length, qint64(std::numeric_limits<int>::max()))));
    if (!m_position->isSliderDown())
        m_position->setValue(int(qMin(milliseconds, qint64(m_position->maximum()))));
    m_readOut->setText(PositionReadOut::text(milliseconds, length));
}

void ExternalPlayerWindow::showMode(int mode)
{
    const bool playing = mode == MediaPlayer::Playing;
    // Drawn in the window's text colour: some styles' own media icons look disabled when they are not.
    m_playPause->setIcon(
        QPixmap::fromImage(transportGlyph(playing ? TransportGlyph::Pause : TransportGlyph::Play,
                                          devicePixelRatioF(), palette().color(QPalette::WindowText))));
    // An icon-only button is spoken by its name: the same word as its tooltip.
    m_playPause->setToolTip(playing ? tr("Pause") : tr("Play"));
    m_playPause->setAccessibleName(m_playPause->toolTip());
    m_playPause->setEnabled(mode != MediaPlayer::NotReady);
}

void ExternalPlayerWindow::seekTo(int milliseconds)
{
    m_player.moveTo(milliseconds);
}
