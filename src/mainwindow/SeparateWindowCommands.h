// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MediaPlayer.h"

#include <QObject>

class PlayRoutine;
class ScreenSaverHold;
class PlaybackOptions;
class QMainWindow;

// Hands the medium of the main player to a second player in a window of its own until that
// closes: the separate video window, the plain player window, or the whole screen. Carrying the
// position, the second player starts where the main one was and hands its own position back;
// otherwise it starts at the start offset. A main player that was playing plays on afterwards.
class SeparateWindowCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QMainWindow &window;
        const PlaybackOptions &options;
        MediaPlayer &player;
        MediaPlayer::Factory makePlayer;
        PlayRoutine &routine;
        ScreenSaverHold &screenSaver;
    };

    explicit SeparateWindowCommands(const Parts &parts, QObject *parent = nullptr);

    void playInSeparateWindow(bool carryPosition);
    // The plain player window starts where this player was, or at the beginning.
    void playInPlayerWindow(bool carryPosition);
    // The video over the whole screen until Escape, the position carried there and back.
    void showFullScreenVideo();

private:
    enum class SeparateWindow
    {
        Video,
        Player,
        FullScreen
    };
    void handOver(SeparateWindow window, bool carryPosition);

    QMainWindow &m_window;
    const PlaybackOptions &m_options;
    MediaPlayer &m_player;
    MediaPlayer::Factory m_makePlayer;
    PlayRoutine &m_routine;
    ScreenSaverHold &m_screenSaver;
};
