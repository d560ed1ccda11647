// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MediaFacts.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>
#include <functional>

class MediaPlayer;

// The player offered to the desktop on the session bus under the media player interfaces
// (org.mpris.MediaPlayer2 and its .Player), so that media keys and player applets control it.
// Next and Previous step through the files of the folder shown.
class MprisService : public QObject, protected QDBusContext
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<void()> next;
        std::function<void()> previous;
        std::function<void()> raise;
        std::function<void()> quit;
        // "Auto play next": whether it is on, and switching it; the switch is announced with
        // announceLoopStatus.
        std::function<bool()> advancing;
        std::function<void(bool)> setAdvancing;
        // Opens a local file as one handed over by another copy of the program.
        std::function<void(const QString &path)> open;
    };

    static inline const QString ObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
    // The rates the player plays at: a hundredth of the normal speed to twice.
    static constexpr double MinimumRate = 0.01;
    static constexpr double MaximumRate = 2.0;

    MprisService(MediaPlayer &player, Hooks hooks, QObject *parent = nullptr);

    // Registers the object and the name org.mpris.MediaPlayer2.<suffix>; false when the bus refuses.
    bool registerOn(const QDBusConnection &connection, const QString &suffix = QStringLiteral("kestrove"));

    // The file now open and its length in milliseconds.
    void setTrack(const QString &path, qint64 lengthMs);
    // What a medium said of itself: its tags and cover go into the metadata while it is open.
    void describe(const QString &path, const MediaFacts &facts);

    QString playbackStatus() const;
    QVariantMap metadata() const;
    qint64 positionMicroseconds() const;
    double rate() const;
    // Rates out of range play at the nearest offered; a rate of 0 pauses, and what is not a rate
    // (negative, not a number) changes nothing.
    void setRate(double rate);
    double volume() const;
    void setVolume(double volume);
    // "Playlist" while the automatic advance is on, else "None"; "Track" is not offered.
    QString loopStatus() const;
    void setLoopStatus(const QString &status);
    // Tells the desktop that the automatic advance was switched.
    void announceLoopStatus();

    void play();
    void pause();
    void playPause();
    void stop();
    void next();
    void previous();
    void seek(qint64 offsetMicroseconds);
    void setPosition(const QDBusObjectPath &track, qint64 positionMicroseconds);
    // Opens a file: URI of this machine; returns why another is refused, empty when it opens. A
    // refusal asked over the bus is the call's error. (Calls to the adaptors carry their context
    // on this object, their parent.)
    QString openUri(const QString &uri);
    void raise();
    void quit();

private:
    QDBusObjectPath trackId() const;
    qint64 lengthMs() const;
    void announce(const QVariantMap &changed);
    void announceMetadata();

    MediaPlayer &m_player;
    Hooks m_hooks;
    QDBusConnection m_connection;
    QString m_path;
    qint64 m_length = 0;
    qint64 m_announcedLength = 0;
    QString m_describedPath;
    MediaFacts m_facts;
    int m_trackNumber = 0;
    QString m_lastStatus;
};
