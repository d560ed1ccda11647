// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/ScreenSaverHold.h"

#include "playback/MediaPlayer.h"

#include <algorithm>

ScreenSaverHold::ScreenSaverHold(Hold hold, QObject *parent) : QObject(parent), m_hold(std::move(hold)) {}

void ScreenSaverHold::follow(MediaPlayer &player)
{
    m_players.push_back({&player, {}});
    MediaPlayer *followed = &player;
    connect(followed, &MediaPlayer::modeChanged, this, &ScreenSaverHold::update);
    connect(followed, &MediaPlayer::fileOpened, this, &ScreenSaverHold::update);
    connect(
        followed, &MediaPlayer::mediumDescribed, this,
        [this, followed](const QString &path, const MediaFacts &facts) { described(followed, path, facts); });
    connect(followed, &QObject::destroyed, this, [this] {
        std::erase_if(m_players, [](const Followed &each) { return each.player.isNull(); });
        update();
    });
}

void ScreenSaverHold::described(const MediaPlayer *player, const QString &path, const MediaFacts &facts)
{
    for (Followed &each : m_players) {
        if (each.player == player)
            each.video = facts.video ? path : QString();
    }
    update();
}

void ScreenSaverHold::update()
{
    const bool held = std::any_of(m_players.begin(), m_players.end(), [](const Followed &each) {
        return each.player && !each.video.isEmpty() && each.player->fileName() == each.video &&
               each.player->playsOn();
    });
    if (held != m_held) {
        m_held = held;
        if (m_hold)
            m_hold(held);
    }
}
