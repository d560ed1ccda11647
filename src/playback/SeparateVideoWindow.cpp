// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/SeparateVideoWindow.h"

#include "playback/MediaPlayer.h"
#include "playback/SeparatePlayback.h"
#include "playback/VideoArea.h"

#include <QMenuBar>
#include <QVBoxLayout>

namespace {

// The picture area before the video's size is known, and for files without pictures.
constexpr QSize BlankArea(320, 240);
constexpr int NarrowWindowWidth = 200;

} // namespace

SeparateVideoWindow::SeparateVideoWindow(MediaPlayer &player, SeparatePlayback &playback, QWidget *parent)
    : QDialog(parent), m_player(player)
{
    setWindowTitle(tr("Video"));
    setObjectName(QStringLiteral("separateVideoWindow"));
    setSizeGripEnabled(true);
    m_view = makeVideoArea(player, this);

    auto *menuBar = new QMenuBar(this);
    QMenu *options = menuBar->addMenu(tr("&Options"));
    m_normalSize = options->addAction(tr("Normal size (100%)"));
    m_normalSize->setObjectName(QStringLiteral("normalSize"));
    options->addSeparator();
    QAction *close = options->addAction(tr("Close"));
    close->setObjectName(QStringLiteral("closeVideo"));
    connect(m_normalSize, &QAction::triggered, this, [this] {
        if (isMaximized() || isFullScreen())
            showNormal();
        fitToVideo();
    });
    connect(close, &QAction::triggered, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_view);
    connect(&playback, &SeparatePlayback::started, this, &SeparateVideoWindow::started);
    // The video's size is often known only after it has started: the window takes it then, and
    // again should it change.
    connect(&player, &MediaPlayer::videoSizeChanged, this, [this] {
        if (!isMaximized() && !isFullScreen())
            fitToVideo();
    });
    fitToVideo();
}

void SeparateVideoWindow::fitToVideo()
{
    const QSize video = m_player.videoSize();
    const QSize area = video.isEmpty() ? BlankArea : video;
    const int menuHeight = layout()->menuBar() ? layout()->menuBar()->sizeHint().height() : 0;
    resize(area.width(), area.height() + menuHeight);
}

void SeparateVideoWindow::started()
{
    fitToVideo();
    // A file with pictures keeps its room whatever its name says.
    if (!SeparatePlayback::showsPictures(m_player.fileName()) && m_player.videoSize().isEmpty())
        resize(NarrowWindowWidth, height());
}
