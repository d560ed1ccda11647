// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/SeparateWindowCommands.h"

#include "playback/ExternalPlayerWindow.h"
#include "playback/FullScreenVideo.h"
#include "playback/PlayRoutine.h"
#include "playback/PlaybackOptions.h"
#include "playback/ScreenSaverHold.h"
#include "playback/SeparatePlayback.h"
#include "playback/SeparateVideoWindow.h"

#include <QMainWindow>
#include <QScreen>

SeparateWindowCommands::SeparateWindowCommands(const Parts &parts, QObject *parent)
    : QObject(parent), m_window(parts.window), m_options(parts.options), m_player(parts.player),
      m_makePlayer(parts.makePlayer), m_routine(parts.routine), m_screenSaver(parts.screenSaver)
{
}

void SeparateWindowCommands::playInSeparateWindow(bool carryPosition)
{
    handOver(SeparateWindow::Video, carryPosition);
}

void SeparateWindowCommands::playInPlayerWindow(bool carryPosition)
{
    handOver(SeparateWindow::Player, carryPosition);
}

void SeparateWindowCommands::handOver(SeparateWindow kind, bool carryPosition)
{
    const QString source = m_player.fileName();
    if (source.isEmpty() || !m_makePlayer)
        return;
    std::unique_ptr<MediaPlayer> second = m_makePlayer();
    if (!second)
        return;
    m_screenSaver.follow(*second);
    // None of the separate windows shows a level meter.
    second->setLevelsMeasured(false);
    // The main player may be seeking still, back to where a window closed just now left off or as
    // its file starts: it plays all the same.
    const bool wasPlaying = m_player.playsOn();
    m_player.stop();
    SeparatePlayback::Start start{source, carryPosition, m_routine.lastPosition(), 0, 100};
    std::unique_ptr<QDialog> window;
    if (kind != SeparateWindow::Player) {
        // The separate video window follows the start offset and the speed; the player window
        // starts at the beginning at normal speed, as a plain player does.
        start.offsetChoice = m_options.startOffsetChoice();
        start.speedPercent = m_options.speedPercent();
    }
    SeparatePlayback playback(*second, start);
    if (kind == SeparateWindow::Video) {
        window = std::make_unique<SeparateVideoWindow>(*second, playback, &m_window);
    } else if (kind == SeparateWindow::Player) {
        window = std::make_unique<ExternalPlayerWindow>(*second, &m_window);
    } else {
        window = std::make_unique<FullScreenVideo>(*second, &m_window);
        // Placed on the window's screen first: without a window manager the request alone does
        // nothing.
        window->setGeometry(m_window.screen()->geometry());
        window->setWindowState(Qt::WindowFullScreen);
    }
    // Shown before the medium opens: its video view sets up its drawing as it is shown, and the
    // player gives video only to a view that can draw when the file starts.
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    playback.begin();
    window->exec();
    const std::optional<qint64> handedBack = playback.finish();
    // The window and its view go before their player.
    window.reset();
    if (handedBack) {
        m_routine.setLastPosition(*handedBack);
        m_player.seek(qMax<qint64>(0, *handedBack));
    }
    if (wasPlaying)
        m_player.play();
}

void SeparateWindowCommands::showFullScreenVideo()
{
    handOver(SeparateWindow::FullScreen, true);
}
