// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class MediaPlayer;
struct MediaFacts;

// Keeps the screen awake while one of the players shows moving pictures: held while a video plays
// (in the pane, full screen or in a window of its own), let go once none does, when it pauses,
// stops, ends or closes. A sound never holds it, not even one showing its cover. Its end tells
// nothing: what keeps the screen awake lets go at its own end.
class ScreenSaverHold : public QObject
{
    Q_OBJECT

public:
    using Hold = std::function<void(bool held)>;

    explicit ScreenSaverHold(Hold hold, QObject *parent = nullptr);
    void setHold(Hold hold) { m_hold = std::move(hold); }

    // Follows the player until it is destroyed.
    void follow(MediaPlayer &player);
    bool isHeld() const { return m_held; }

private:
    struct Followed
    {
        QPointer<MediaPlayer> player;
        // The file the player described as a video last. Reports still on their way about a file
        // the player has left do not count: it counts only while the player holds that file.
        QString video;
    };

    void described(const MediaPlayer *player, const QString &path, const MediaFacts &facts);
    void update();

    Hold m_hold;
    std::vector<Followed> m_players;
    bool m_held = false;
};
