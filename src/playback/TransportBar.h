// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <utility>

class FlatButton;
class QGridLayout;
class QLabel;
class Slider;

// The controls under the media view: play or pause, stop, the position bar with its read-out,
// and the volume with its mute switch. It shows what it is told and reports what a person
// chooses; the commands themselves are the caller's.
class TransportBar : public QWidget
{
    Q_OBJECT

public:
    explicit TransportBar(QWidget *parent = nullptr);

    // A player mode (MediaPlayer::Mode): a playing medium offers pause, any other play.
    void showMode(int mode);
    // The position and the length in milliseconds; the bar stays where a person holds it.
    void showPosition(qint64 position, qint64 length);
    void showVolume(int percent, bool muted);
    // Lays the controls out for a width: in a narrow pane the position bar has a row of its own.
    void arrangeFor(int width);

Q_SIGNALS:
    void playOrPauseClicked();
    void stopClicked();
    void positionChosen(qint64 milliseconds);
    void volumeChosen(int percent);
    void muteClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    FlatButton *makeButton(const char *name, const QString &tip);
    void drawPictures();
    void positionMoved(int step);
    void arrange(bool narrow);

    FlatButton *m_playPause = nullptr;
    FlatButton *m_stop = nullptr;
    Slider *m_position = nullptr;
    QLabel *m_readOut = nullptr;
    FlatButton *m_mute = nullptr;
    Slider *m_volume = nullptr;
    bool m_playing = false;
    bool m_muted = false;
    qint64 m_length = 0;
    // The whole seconds of position and length the read-out shows: it is written again only when
    // they change, not at every position the player tells.
    std::pair<qint64, qint64> m_shownSeconds{0, 0};
    int m_shownStep = 0;
    int m_shownVolume = 100;
    bool m_held = false;
    QGridLayout *m_grid = nullptr;
    bool m_narrow = false;
};
