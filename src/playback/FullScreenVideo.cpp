// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/FullScreenVideo.h"

#include "playback/MediaPlayer.h"
#include "playback/VideoArea.h"

#include <QKeyEvent>
#include <QVBoxLayout>

FullScreenVideo::FullScreenVideo(MediaPlayer &player, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint), m_player(player)
{
    setObjectName(QStringLiteral("fullScreenVideo"));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black));
    setCursor(Qt::BlankCursor);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget *view = makeVideoArea(player, this);
    // The double click reaches the window through the view.
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(view);
}

void FullScreenVideo::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        break;
    case Qt::Key_Space:
        if (m_player.mode() == MediaPlayer::Playing)
            m_player.pause();
        else
            m_player.play();
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void FullScreenVideo::mouseDoubleClickEvent(QMouseEvent *)
{
    reject();
}
