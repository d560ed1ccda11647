// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class MediaPlayer;
class SeparatePlayback;
class QAction;

// A resizable window of its own for the medium of the main player, played by a second player. It
// takes the size of the video once the file has opened, stretches the video when the user resizes
// it, and "Normal size (100%)" brings the video back to its own size. A file without pictures gets
// a narrow window.
class SeparateVideoWindow : public QDialog
{
    Q_OBJECT

public:
    SeparateVideoWindow(MediaPlayer &player, SeparatePlayback &playback, QWidget *parent = nullptr);

    // Fits the window around the video at its own size.
    void fitToVideo();

    QAction *normalSize() const { return m_normalSize; }

private:
    void started();

    MediaPlayer &m_player;
    QWidget *m_view = nullptr;
    QAction *m_normalSize = nullptr;
};
