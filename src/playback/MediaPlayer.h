// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MediaFacts.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

// A player for one medium at a time: opened by name, started, paused, stopped and moved, with its
// position, mode and the opening of a file reported as signals on the GUI thread. Modes are the
// media control numbers the windows rely on.
class MediaPlayer : public QObject
{
    Q_OBJECT

public:
    enum Mode
    {
        NotReady = 524,
        Stopped = 525,
        Playing = 526,
        Seeking = 528,
        Paused = 529,
        Open = 530
    };

    // Makes another player, for a window of its own.
    using Factory = std::function<std::unique_ptr<MediaPlayer>()>;

    explicit MediaPlayer(QObject *parent = nullptr) : QObject(parent)
    {
        connect(this, &MediaPlayer::modeChanged, this, [this](int mode) {
            if (mode != Seeking)
                m_modeBeforeSeeking = mode;
        });
    }

    // Opens the file, stopped at its start; fileOpened follows once it can play. An empty path
    // closes the medium.
    virtual void open(const QString &path) = 0;
    virtual void close() = 0;
    virtual QString fileName() const = 0;

    // Plays from the current position.
    virtual void play() = 0;
    virtual void pause() = 0;
    // Stops where it is; the medium stays open.
    virtual void stop() = 0;
    // Moves to a position in milliseconds and stops there.
    virtual void seek(qint64 milliseconds) = 0;
    // Whether the medium plays, or plays on once the seek under way is done.
    virtual bool playsOn() const
    {
        // While a seek is under way the mode says only that: whether the medium plays on after
        // it is what it reported before.
        const int now = mode();
        return now == Playing || (now == Seeking && m_modeBeforeSeeking == Playing);
    }
    // Moves to a position and plays on from there when it was playing.
    void moveTo(qint64 milliseconds)
    {
        const bool playing = playsOn();
        seek(milliseconds);
        if (playing)
            play();
    }

    // Milliseconds; -1 while no medium is ready.
    virtual qint64 length() const = 0;
    virtual qint64 position() const = 0;
    virtual int mode() const = 0;

    // Thousandths of the normal speed; the pitch is kept.
    virtual void setSpeed(int thousandths) = 0;
    virtual int speed() const = 0;
    // 0 to 1000; volumeChanged follows when the volume changes.
    virtual void setVolume(int perMille) = 0;
    virtual int volume() const = 0;
    virtual void setAudioOn(bool on) = 0;
    // Whether the sound's levels are measured for the files opened from now on, as they are at
    // first: the measuring costs time at every opening and all the while the sound plays.
    virtual void setLevelsMeasured(bool measured) = 0;
    // The picture size of the video, empty for sound.
    virtual QSize videoSize() const = 0;

    // A widget showing the video, owned by the caller; none for a player without pictures.
    virtual QWidget *createVideoView(QWidget *parent) = 0;

Q_SIGNALS:
    void positionChanged(qint64 milliseconds);
    void modeChanged(int mode);
    void fileOpened(const QString &path);
    // The file could not be opened or played; the player holds no medium.
    void fileFailed(const QString &path);
    // A part of the program the player needs cannot be loaded: which one and why, in words for a
    // person. Told once for each part.
    void partUnavailable(const QString &text);
    // The sound's level on the left and the right, 0 to 1, about twenty times a second while it
    // plays and its levels are measured; 0 and 0 when it stops.
    void levelsChanged(double left, double right);
    // What the medium of the file says of itself, told once after it opened.
    void mediumDescribed(const QString &path, const MediaFacts &facts);
    void volumeChanged(int perMille);
    // The size of the video's pictures, once it is known and each time it changes.
    void videoSizeChanged(const QSize &size);

private:
    // The last mode reported other than seeking.
    int m_modeBeforeSeeking = NotReady;
};
