// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>

class MediaPlayer;

// The medium of the main player handed to a second player in a window of its own. The second
// player starts where the main player was when the position is carried, otherwise at the start
// offset, and on closing hands the position it reached back. Starting waits for the file to open,
// when its length is known.
class SeparatePlayback : public QObject
{
    Q_OBJECT

public:
    struct Start
    {
        QString source;
        // Start at lastPosition and hand the reached position back.
        bool carryPosition = true;
        qint64 lastPosition = 0;
        // The start offset's entry: 0 is 0 %, n is n × 10 %.
        int offsetChoice = 0;
        int speedPercent = 100;
    };

    SeparatePlayback(MediaPlayer &player, const Start &start, QObject *parent = nullptr);

    // Opens the source in the second player; it starts once the file has opened.
    void begin();
    // Stops the second player. The position to hand back to the main player, none when the
    // position is not carried.
    std::optional<qint64> finish();

    // The position the second player reached.
    qint64 lastPosition() const { return m_lastPosition; }

    // Whether a window should keep room for pictures: names ending in peg, mpg, avi, mov or .qt in
    // either case (cameras write CLIP.AVI); any other file needs no more than a narrow window.
    static bool showsPictures(const QString &fileName);

Q_SIGNALS:
    // The file opened and started; its picture size is known from here on.
    void started();

private:
    void fileOpened(const QString &path);

    MediaPlayer &m_player;
    Start m_start;
    qint64 m_lastPosition = 0;
    bool m_waiting = false;
};
