// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/VideoArea.h"

#include "playback/MediaPlayer.h"

#include <QWidget>

QWidget *makeVideoArea(MediaPlayer &player, QWidget *parent)
{
    QWidget *view = player.createVideoView(parent);
    if (!view) {
        view = new QWidget(parent);
        view->setAutoFillBackground(true);
        view->setPalette(QPalette(Qt::black));
    }
    view->setObjectName(QStringLiteral("videoView"));
    view->setMinimumSize(1, 1);
    return view;
}
