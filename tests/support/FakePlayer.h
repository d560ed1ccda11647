// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MediaPlayer.h"

#include <QStringList>
#include <utility>

// A player that records what it was asked to do and plays nothing.
class FakePlayer : public MediaPlayer
{
public:
    void open(const QString &path) override
    {
        calls.append(QStringLiteral("open ") + path);
        file = path;
        currentPosition = 0;
        currentMode = path.isEmpty() ? NotReady : Stopped;
    }
    void close() override
    {
        calls.append(QStringLiteral("close"));
        file.clear();
        currentMode = NotReady;
    }
    QString fileName() const override { return file; }
    void play() override
    {
        calls.append(QStringLiteral("play"));
        currentMode = Playing;
    }
    void pause() override
    {
        calls.append(QStringLiteral("pause"));
        currentMode = Paused;
    }
    void stop() override
    {
        calls.append(QStringLiteral("stop"));
        currentMode = Stopped;
    }
    void seek(qint64 milliseconds) override
    {
        calls.append(QStringLiteral("seek %1").arg(milliseconds));
        currentPosition = milliseconds;
        currentMode = Stopped;
    }
    qint64 length() const override { return file.isEmpty() ? -1 : mediumLength; }
    qint64 position() const override { return currentPosition; }
    int mode() const override { return currentMode; }
    void setSpeed(int thousandths) override
    {
        calls.append(QStringLiteral("speed %1").arg(thousandths));
        currentSpeed = thousandths;
    }
    int speed() const override { return currentSpeed; }
    void setVolume(int perMille) override
    {
        calls.append(QStringLiteral("volume %1").arg(perMille));
        if (std::exchange(currentVolume, perMille) != perMille)
            Q_EMIT volumeChanged(perMille);
    }
    int volume() const override { return currentVolume; }
    void setAudioOn(bool on) override
    {
        calls.append(on ? QStringLiteral("audio on") : QStringLiteral("audio off"));
    }
    void setLevelsMeasured(bool measured) override { levelsMeasured = measured; }
    QWidget *createVideoView(QWidget *) override { return nullptr; }
    QSize videoSize() const override { return pictureSize; }

    // Moves the playing position as the clock of a real player would.
    void advanceTo(qint64 milliseconds)
    {
        currentPosition = milliseconds;
        Q_EMIT positionChanged(milliseconds);
    }

    QStringList calls;
    QString file;
    int currentMode = NotReady;
    qint64 currentPosition = 0;
    qint64 mediumLength = 123456;
    int currentSpeed = 1000;
    int currentVolume = 1000;
    bool levelsMeasured = true;
    QSize pictureSize;
};
