// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/SeparatePlayback.h"

#include "core/Rounding.h"
#include "playback/MediaPlayer.h"

SeparatePlayback::SeparatePlayback(MediaPlayer &player, const Start &start, QObject *parent)
    : QObject(parent), m_player(player), m_start(start), m_lastPosition(start.lastPosition)
{
    connect(&m_player, &MediaPlayer::fileOpened, this, &SeparatePlayback::fileOpened);
    connect(&m_player, &MediaPlayer::positionChanged, this,
            [this](qint64 position) { m_lastPosition = position; });
}

void SeparatePlayback::begin()
{
    m_waiting = true;
    m_player.open(m_start.source);
}

void SeparatePlayback::fileOpened(const QString &path)
{
    if (!m_waiting || path != m_start.source)
        return;
    m_waiting = false;
    m_player.setSpeed(m_start.speedPercent * 10);
    if (m_start.carryPosition) {
        m_player.seek(m_start.lastPosition);
    } else if (m_start.offsetChoice >= 1) {
        const qint64 length = qMax(qint64(0), m_player.length());
        m_player.seek(Rounding::halfEven64(double(length) / 100.0) * (m_start.offsetChoice * 10));
    } else {
        m_player.seek(0);
    }
    m_player.play();
    Q_EMIT started();
}

std::optional<qint64> SeparatePlayback::finish()
{
    m_waiting = false;
    m_player.stop();
    if (!m_start.carryPosition)
        return std::nullopt;
    return m_lastPosition;
}

bool SeparatePlayback::showsPictures(const QString &fileName)
{
    const QString tail = fileName.right(3);
    for (const char *video : {"peg", "mpg", "avi", "mov", ".qt"}) {
        if (tail.compare(QLatin1String(video), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
