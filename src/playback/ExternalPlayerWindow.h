// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class MediaPlayer;
class QLabel;
class QSlider;
class QToolButton;

// A plain player window of its own for the medium of the main player, with a second player, a
// play/pause button, a position bar and the position read-out. The video fills the window.
class ExternalPlayerWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ExternalPlayerWindow(MediaPlayer &player, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void togglePlaying();
    void showPosition(qint64 milliseconds);
    void showMode(int mode);
    void seekTo(int milliseconds);

    MediaPlayer &m_player;
    QWidget *m_view = nullptr;
    QToolButton *m_playPause = nullptr;
    QSlider *m_position = nullptr;
    QLabel *m_readOut = nullptr;
};
