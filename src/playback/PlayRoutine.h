// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class MediaPlayer;

// What happens when a sound or video file is chosen: the medium is opened and, as the playback
// options say, started from its beginning, from the remembered position or from a start offset.
// The start is chosen once the file has opened, when its length is known.
class PlayRoutine : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        bool autoPlayOnClick = true;
        bool autoPlayAtStart = false;
        bool rememberPosition = true;
        bool keepSpeed = false;
        // The start offset's entry: 0 is 0 %, n is n × 10 %.
        int offsetChoice = 0;
        int speedPercent = 100;
    };

    explicit PlayRoutine(MediaPlayer &player, QObject *parent = nullptr);

    // Plays a media file; false when that file is already playing and is left as it is.
    bool play(const QString &path, const Options &options);
    // Closes the medium for a picture, which counts as the file played last.
    void showPicture(const QString &path);
    // Closes the medium.
    void close();

    // While set, a chosen file opens without starting (the program moving the selection itself).
    void setAutoplaySuppressed(bool on) { m_suppressed = on; }
    bool isFirstPlay() const { return m_firstPlay; }
    // The start-up is over: "Autoplay at start" no longer applies, even when the start played
    // nothing; the first file played still takes up the last session's position.
    void endStartUp() { m_startUpOver = true; }

    QString lastPlayedFile() const { return m_lastPlayedFile; }
    void setLastPlayedFile(const QString &path) { m_lastPlayedFile = path; }
    qint64 lastPosition() const { return m_lastPosition; }
    void setLastPosition(qint64 milliseconds) { m_lastPosition = milliseconds; }
    // The length of the open medium; kept from the one before when a file does not open.
    qint64 length() const { return m_length; }

Q_SIGNALS:
    // The file opened; with keepSpeed off the speed went back to normal.
    void opened(const QString &path, bool speedReset);

private:
    void fileOpened(const QString &path);

    struct Pending
    {
        QString path;
        bool start = false;
        bool resume = false;
        qint64 resumeAt = 0;
        Options options;
    };

    MediaPlayer &m_player;
    Pending m_pending;
    bool m_suppressed = false;
    bool m_firstPlay = true;
    bool m_startUpOver = false;
    QString m_lastPlayedFile;
    qint64 m_lastPosition = 0;
    qint64 m_length = 0;
};
