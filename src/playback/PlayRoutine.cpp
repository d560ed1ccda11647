// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/PlayRoutine.h"

#include "core/Rounding.h"
#include "playback/MediaPlayer.h"

#include <utility>

PlayRoutine::PlayRoutine(MediaPlayer &player, QObject *parent) : QObject(parent), m_player(player)
{
    connect(&m_player, &MediaPlayer::fileOpened, this, &PlayRoutine::fileOpened);
    connect(&m_player, &MediaPlayer::positionChanged, this,
            [this](qint64 position) { m_lastPosition = position; });
}

bool PlayRoutine::play(const QString &path, const Options &options)
{
    const bool allowed = m_firstPlay && !m_startUpOver ? options.autoPlayAtStart : true;
    if (m_player.fileName() == path) {
        if (m_player.mode() == MediaPlayer::Playing)
            return false;
        m_lastPosition = 0;
    }
    m_player.stop();
    // Decided now: the file played last and the position reached in it are about to change.
    m_pending = {path, options.autoPlayOnClick && !m_suppressed && allowed,
                 options.rememberPosition && path == m_lastPlayedFile, m_lastPosition, options};
    m_player.open(path);
    m_firstPlay = false;
    m_lastPlayedFile = path;
    return true;
}

void PlayRoutine::showPicture(const QString &path)
{
    close();
    m_firstPlay = false;
    m_lastPlayedFile = path;
}

void PlayRoutine::close()
{
    m_pending = {};
    m_player.close();
}

void PlayRoutine::fileOpened(const QString &path)
{
    if (path != m_pending.path || path.isEmpty())
        return;
    const Pending pending = std::exchange(m_pending, {});
    if (pending.resume) {
        m_player.seek(qMax<qint64>(0, pending.resumeAt));
        if (pending.start)
            m_player.play();
    } else if (pending.options.offsetChoice < 1) {
        if (pending.start) {
            // A file just opened stands at its start: a seek there would only decode its
            // beginning twice.
            if (m_player.position() != 0)
                m_player.seek(0);
            m_player.play();
        }
    } else {
        const qint64 length = m_player.length();
        const qint64 target =
            length >= 0 ? Rounding::halfEven64(double(length) / 100.0) * (pending.options.offsetChoice * 10)
                        : 0;
        m_player.seek(target);
        if (pending.start)
            m_player.play();
    }
    if (pending.options.keepSpeed)
        m_player.setSpeed(pending.options.speedPercent * 10);
    else
        m_player.setSpeed(1000);
    // Without a medium the length is not known: the one before is kept.
    if (const qint64 length = m_player.length(); length >= 0)
        m_length = length;
    Q_EMIT opened(path, !pending.options.keepSpeed);
}
