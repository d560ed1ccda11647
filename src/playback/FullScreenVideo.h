// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class MediaPlayer;

// The video of a player over the whole screen. Escape or a double click closes it; Space pauses
// and resumes.
class FullScreenVideo : public QDialog
{
    Q_OBJECT

public:
    FullScreenVideo(MediaPlayer &player, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    MediaPlayer &m_player;
};
