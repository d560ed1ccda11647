// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MprisService.h"

#include "platform/LogCategories.h"
#include "platform/NativePath.h"
#include "playback/MediaPlayer.h"
#include "playback/MprisPlayerAdaptor.h"
#include "playback/MprisRootAdaptor.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QUrl>
#include <optional>

namespace {

const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// The file a file: URI of this machine names, with the bytes it was percent-encoded in: a name
// that is not UTF-8 stays the file's own.
std::optional<QString> localPath(const QString &uri)
{
    const QUrl url(uri);
    if (!url.isValid() || url.scheme() != QLatin1String("file") ||
        (!url.host().isEmpty() && url.host() != QLatin1String("localhost")))
        return std::nullopt;
    const QString path = NativePath::fromFileUrl(url);
    if (!path.startsWith(QLatin1Char('/')))
        return std::nullopt;
    return path;
}

} // namespace

MprisService::MprisService(MediaPlayer &player, Hooks hooks, QObject *parent)
    : QObject(parent), m_player(player), m_hooks(std::move(hooks)),
      m_connection(QStringLiteral("kestrove-not-connected"))
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    connect(&m_player, &MediaPlayer::modeChanged, this, [this] {
        const QString status = playbackStatus();
        if (status != m_lastStatus) {
            m_lastStatus = status;
            announce({{QStringLiteral("PlaybackStatus"), status}});
        }
        if (!m_path.isEmpty() && lengthMs() != m_announcedLength)
            announceMetadata();
    });
    connect(&m_player, &MediaPlayer::mediumDescribed, this, &MprisService::describe);
    connect(&m_player, &MediaPlayer::volumeChanged, this, [this] {
        announce({{QStringLiteral("Volume"), volume()}});
    });
}

bool MprisService::registerOn(const QDBusConnection &connection, const QString &suffix)
{
    m_connection = connection;
    const QString service = QStringLiteral("org.mpris.MediaPlayer2.") + suffix;
    if (m_connection.isConnected() && m_connection.registerObject(ObjectPath, this) &&
        m_connection.registerService(service))
        return true;
    qCWarning(logPlayback) << "cannot offer the player on the session bus as" << service << ":"
                           << m_connection.lastError().message();
    return false;
}

void MprisService::setTrack(const QString &path, qint64 lengthMs)
{
    if (path != m_path)
        ++m_trackNumber;
    m_path = path;
    m_length = lengthMs;
    announceMetadata();
}

void MprisService::describe(const QString &path, const MediaFacts &facts)
{
    m_describedPath = path;
    m_facts = facts;
    if (path == m_path)
        announceMetadata();
}

qint64 MprisService::lengthMs() const
{
    // The player's own figure while it holds the file: libmpv may correct a length it first
    // estimated, and at the end the position is the corrected length.
    return m_player.fileName() == m_path && m_player.length() >= 0 ? m_player.length() : m_length;
}

void MprisService::announceMetadata()
{
    m_announcedLength = lengthMs();
    announce({{QStringLiteral("Metadata"), metadata()}});
}

QDBusObjectPath MprisService::trackId() const
{
    return QDBusObjectPath(QStringLiteral("/org/kestrove/track/%1").arg(m_trackNumber));
}

QString MprisService::playbackStatus() const
{
    switch (m_player.mode()) {
    case MediaPlayer::Playing:
    case MediaPlayer::Seeking:
        return QStringLiteral("Playing");
    case MediaPlayer::Paused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

QVariantMap MprisService::metadata() const
{
    if (m_path.isEmpty())
        return {{QStringLiteral("mpris:trackid"),
                 QVariant::fromValue(QDBusObjectPath("/org/mpris/MediaPlayer2/TrackList/NoTrack"))}};
    QVariantMap metadata{
        {QStringLiteral("mpris:trackid"), QVariant::fromValue(trackId())},
        {QStringLiteral("mpris:length"), qlonglong(lengthMs()) * 1000},
        {QStringLiteral("xesam:url"), QString::fromLatin1(NativePath::fileUrl(m_path).toEncoded())},
        {QStringLiteral("xesam:title"),
         NativePath::forDisplay(m_path.mid(m_path.lastIndexOf(QLatin1Char('/')) + 1))}};
    // The tags of the medium, once it has told them; a tag it lacks is left out.
    if (m_describedPath != m_path)
        return metadata;
    if (!m_facts.title.isEmpty())
        metadata.insert(QStringLiteral("xesam:title"), m_facts.title);
    if (!m_facts.artist.isEmpty())
        metadata.insert(QStringLiteral("xesam:artist"), QStringList{m_facts.artist});
    if (!m_facts.album.isEmpty())
        metadata.insert(QStringLiteral("xesam:album"), m_facts.album);
    if (!m_facts.coverFile.isEmpty())
        metadata.insert(QStringLiteral("mpris:artUrl"),
                        QString::fromLatin1(NativePath::fileUrl(m_facts.coverFile).toEncoded()));
    return metadata;
}

qint64 MprisService::positionMicroseconds() const
{
    return qMax<qint64>(0, m_player.position()) * 1000;
}

double MprisService::rate() const
{
    return m_player.speed() / 1000.0;
}

void MprisService::setRate(double rate)
{
    // Bounded before it becomes thousandths: a rate of millions would pass what an int holds.
    if (rate > 0)
        m_player.setSpeed(int(qRound(qBound(MinimumRate, rate, MaximumRate) * 1000)));
    else if (rate == 0)
        pause();
    announce({{QStringLiteral("Rate"), this->rate()}});
}

double MprisService::volume() const
{
    return m_player.volume() / 1000.0;
}

QString MprisService::loopStatus() const
{
    return m_hooks.advancing && m_hooks.advancing() ? QStringLiteral("Playlist") : QStringLiteral("None");
}

void MprisService::setLoopStatus(const QString &status)
{
    if (!m_hooks.setAdvancing || (status != QLatin1String("None") && status != QLatin1String("Playlist")))
        return;
    m_hooks.setAdvancing(status == QLatin1String("Playlist"));
}

void MprisService::announceLoopStatus()
{
    announce({{QStringLiteral("LoopStatus"), loopStatus()}});
}

void MprisService::setVolume(double volume)
{
    // The player tells of the change, which is announced then.
    m_player.setVolume(int(qRound(qBound(0.0, volume, 1.0) * 1000)));
}

void MprisService::play()
{
    if (!m_player.fileName().isEmpty())
        m_player.play();
}

void MprisService::pause()
{
    m_player.pause();
}

void MprisService::playPause()
{
    if (m_player.mode() == MediaPlayer::Playing)
        pause();
    else
        play();
}

void MprisService::stop()
{
    m_player.stop();
}

void MprisService::next()
{
    if (m_hooks.next)
        m_hooks.next();
}

void MprisService::previous()
{
    if (m_hooks.previous)
        m_hooks.previous();
}

void MprisService::seek(qint64 offsetMicroseconds)
{
    m_player.moveTo(
        qBound<qint64>(0, m_player.position() + offsetMicroseconds / 1000, qMax<qint64>(0, lengthMs())));
}

void MprisService::setPosition(const QDBusObjectPath &track, qint64 positionMicroseconds)
{
    if (track != trackId() || positionMicroseconds < 0 || positionMicroseconds / 1000 > lengthMs())
        return;
    m_player.moveTo(positionMicroseconds / 1000);
}

QString MprisService::openUri(const QString &uri)
{
    const std::optional<QString> path = localPath(uri);
    if (!path) {
        const QString refusal = QStringLiteral("Only files of this machine (file: URIs) are opened: ") + uri;
        if (calledFromDBus())
            sendErrorReply(QDBusError::NotSupported, refusal);
        return refusal;
    }
    if (m_hooks.open)
        m_hooks.open(*path);
    return {};
}

void MprisService::raise()
{
    if (m_hooks.raise)
        m_hooks.raise();
}

void MprisService::quit()
{
    if (m_hooks.quit)
        m_hooks.quit();
}

void MprisService::announce(const QVariantMap &changed)
{
    if (!m_connection.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << PlayerInterface << changed << QStringList();
    m_connection.send(signal);
}
