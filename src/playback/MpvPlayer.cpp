// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MpvPlayer.h"

#include "platform/NativePath.h"
#include "playback/AudioLevel.h"
#include "playback/MediaView.h"
#include "playback/MidiRenderer.h"
#include "playback/MidiRendering.h"
#include "playback/MpvLibrary.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QTimer>
#include <clocale>
#include <cmath>
#include <cstring>

namespace {

constexpr char MidiProtocol[] = "kestrove-midi";

// One reading of a song being rendered.
struct MidiStream
{
    std::shared_ptr<MidiRendering> rendering;
    qint64 position = 0;
    std::atomic_bool abandoned{false};
};

int64_t readMidi(void *cookie, char *into, uint64_t count)
{
    auto *stream = static_cast<MidiStream *>(cookie);
    const qint64 got = stream->rendering->read(stream->position, into, qint64(qMin<uint64_t>(count, 1 << 20)),
                                               stream->abandoned);
    if (got > 0)
        stream->position += got;
    return got;
}

int64_t seekMidi(void *cookie, int64_t offset)
{
    auto *stream = static_cast<MidiStream *>(cookie);
    if (offset < 0 || offset > stream->rendering->size())
        return MPV_ERROR_GENERIC;
    stream->position = offset;
    return offset;
}

int64_t midiSize(void *cookie)
{
    return static_cast<MidiStream *>(cookie)->rendering->size();
}

void closeMidi(void *cookie)
{
    delete static_cast<MidiStream *>(cookie);
}

void abandonMidi(void *cookie)
{
    auto *stream = static_cast<MidiStream *>(cookie);
    stream->abandoned = true;
    stream->rendering->wake();
}

// The level meter's figures come from a filter that measures each block of sound.
constexpr char LevelFilter[] = "@meter:lavfi=[astats=metadata=1:reset=1]";
constexpr char LevelProperty[] = "af-metadata/meter";
constexpr int LevelIntervalMs = 50;

enum Reply : quint64
{
    LevelsReply = 1
};

enum Observed : quint64
{
    TimePosition = 1,
    Duration,
    Pause,
    Seeking,
    EndReached
};

} // namespace

MpvPlayer::MpvPlayer(const Options &options, QObject *parent) : MediaPlayer(parent), m_options(options)
{
    m_levelTimer = new QTimer(this);
    m_levelTimer->setInterval(LevelIntervalMs);
    connect(m_levelTimer, &QTimer::timeout, this, &MpvPlayer::askForLevels);
}

bool MpvPlayer::start()
{
    if (m_mpv || m_startFailed)
        return m_mpv != nullptr;
    // libmpv refuses to start unless numbers are written the C way.
    std::setlocale(LC_NUMERIC, "C");
    m_lib = Mpv::functions();
    m_mpv = m_lib ? m_lib->create() : nullptr;
    m_startFailed = m_mpv == nullptr;
    if (!m_mpv)
        return false;
    const std::pair<const char *, const char *> settings[] = {
        {"config", "no"},
        {"terminal", "no"},
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"osc", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"idle", "yes"},
        {"keep-open", "yes"},
        {"vo", m_options.video ? "libmpv" : "null"},
        {"audio-display", "no"},
        {"hr-seek", "yes"},
        {"ao", m_options.audio ? "pulse,alsa,null" : "null"},
        {"af", LevelFilter}};
    for (const auto &[name, value] : settings)
        m_lib->setOptionString(m_mpv, name, value);
    if (m_lib->initialize(m_mpv) < 0) {
        m_lib->terminateDestroy(m_mpv);
        m_mpv = nullptr;
        m_startFailed = true;
        return false;
    }
    m_lib->streamCbAddRo(m_mpv, MidiProtocol, this, &MpvPlayer::openMidiStream);
    m_lib->observeProperty(m_mpv, TimePosition, "time-pos", MPV_FORMAT_DOUBLE);
    m_lib->observeProperty(m_mpv, Duration, "duration", MPV_FORMAT_DOUBLE);
    m_lib->observeProperty(m_mpv, Pause, "pause", MPV_FORMAT_FLAG);
    m_lib->observeProperty(m_mpv, Seeking, "seeking", MPV_FORMAT_FLAG);
    m_lib->observeProperty(m_mpv, EndReached, "eof-reached", MPV_FORMAT_FLAG);
    // Called on libmpv's thread: the events are read on the GUI thread.
    m_lib->setWakeupCallback(
        m_mpv,
        [](void *player) {
            QMetaObject::invokeMethod(static_cast<MpvPlayer *>(player), &MpvPlayer::readEvents,
                                      Qt::QueuedConnection);
        },
        this);
    // What was set before libmpv ran.
    setSpeed(m_speed);
    setVolume(m_volume);
    setAudioOn(m_audioOn);
    return true;
}

MpvPlayer::~MpvPlayer()
{
    if (!m_mpv)
        return;
    m_lib->setWakeupCallback(m_mpv, nullptr, nullptr);
    m_lib->terminateDestroy(m_mpv);
}

void MpvPlayer::open(const QString &path)
{
    if (path.isEmpty() ? !m_mpv : !start())
        return;
    if (path.isEmpty()) {
        close();
        return;
    }
    m_file = path;
    m_loaded = false;
    m_stopped = true;
    m_atEnd = false;
    m_position = 0;
    setPaused(true);
    if (MidiRenderer::isMidi(path))
        playMidi(path);
    else
        load(path);
    reportMode();
}

void MpvPlayer::load(const QString &file)
{
    const QByteArray bytes = NativePath::toBytes(file);
    const char *command[] = {"loadfile", bytes.constData(), "replace", nullptr};
    m_lib->command(m_mpv, command);
}

void MpvPlayer::playMidi(const QString &path)
{
    const QString kept = MidiRenderer::renderingOf(path);
    if (QFileInfo::exists(kept)) {
        load(kept);
        return;
    }
    auto rendering = std::make_shared<MidiRendering>(path, kept);
    if (!rendering->problem().isEmpty()) {
        const char *stop[] = {"stop", nullptr};
        m_lib->command(m_mpv, stop);
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                if (m_file == path)
                    Q_EMIT fileFailed(path);
            },
            Qt::QueuedConnection);
        return;
    }
    int number = 0;
    {
        std::lock_guard guard(m_midiLock);
        m_midi = std::move(rendering);
        number = ++m_midiNumber;
    }
    load(QStringLiteral("%1://%2").arg(QLatin1String(MidiProtocol)).arg(number));
}

int MpvPlayer::openMidiStream(void *player, char *uri, mpv_stream_cb_info *info)
{
    auto *self = static_cast<MpvPlayer *>(player);
    const QByteArray prefix = QByteArray(MidiProtocol) + "://";
    const QByteArray name(uri);
    bool ok = false;
    const int number = name.startsWith(prefix) ? name.mid(prefix.size()).toInt(&ok) : 0;
    auto stream = std::make_unique<MidiStream>();
    {
        std::lock_guard guard(self->m_midiLock);
        if (!ok || number != self->m_midiNumber || !self->m_midi)
            return MPV_ERROR_LOADING_FAILED;
        stream->rendering = self->m_midi;
    }
    info->cookie = stream.release();
    info->read_fn = readMidi;
    info->seek_fn = seekMidi;
    info->size_fn = midiSize;
    info->close_fn = closeMidi;
    info->cancel_fn = abandonMidi;
    return 0;
}

void MpvPlayer::close()
{
    if (!m_mpv)
        return;
    const char *command[] = {"stop", nullptr};
    m_lib->command(m_mpv, command);
    m_file.clear();
    m_loaded = false;
    m_stopped = true;
    m_position = 0;
    reportMode();
}

void MpvPlayer::play()
{
    if (!m_mpv || m_file.isEmpty())
        return;
    if (m_atEnd)
        seek(0);
    m_stopped = false;
    setPaused(false);
    reportMode();
}

void MpvPlayer::pause()
{
    if (!m_mpv || m_file.isEmpty())
        return;
    m_stopped = false;
    setPaused(true);
    reportMode();
}

void MpvPlayer::stop()
{
    if (!m_mpv || m_file.isEmpty())
        return;
    m_stopped = true;
    setPaused(true);
    reportMode();
}

void MpvPlayer::seek(qint64 milliseconds)
{
    if (!m_mpv || m_file.isEmpty())
        return;
    m_stopped = true;
    setPaused(true);
    const QByteArray seconds = QByteArray::number(double(milliseconds) / 1000.0, 'f', 3);
    const char *command[] = {"seek", seconds.constData(), "absolute+exact", nullptr};
    m_lib->command(m_mpv, command);
    m_position = milliseconds;
    m_atEnd = false;
    reportMode();
}

int MpvPlayer::mode() const
{
    if (m_file.isEmpty() || !m_loaded)
        return NotReady;
    if (m_seeking)
        return Seeking;
    if (m_stopped || m_atEnd)
        return Stopped;
    return m_paused ? Paused : Playing;
}

void MpvPlayer::setSpeed(int thousandths)
{
    m_speed = qBound(10, thousandths, 100000);
    if (m_mpv) {
        double speed = m_speed / 1000.0;
        m_lib->setProperty(m_mpv, "speed", MPV_FORMAT_DOUBLE, &speed);
    }
}

void MpvPlayer::setVolume(int perMille)
{
    m_volume = qBound(0, perMille, 1000);
    if (m_mpv) {
        double volume = m_volume / 10.0;
        m_lib->setProperty(m_mpv, "volume", MPV_FORMAT_DOUBLE, &volume);
    }
}

void MpvPlayer::setAudioOn(bool on)
{
    m_audioOn = on;
    if (m_mpv) {
        int mute = on ? 0 : 1;
        m_lib->setProperty(m_mpv, "mute", MPV_FORMAT_FLAG, &mute);
    }
}

QSize MpvPlayer::videoSize() const
{
    qint64 width = 0;
    qint64 height = 0;
    if (!m_mpv || m_lib->getProperty(m_mpv, "dwidth", MPV_FORMAT_INT64, &width) < 0 ||
        m_lib->getProperty(m_mpv, "dheight", MPV_FORMAT_INT64, &height) < 0)
        return {};
    return {int(width), int(height)};
}

QWidget *MpvPlayer::createVideoView(QWidget *parent)
{
    if (!m_options.video)
        return nullptr;
    return new MediaView([this] { return start() ? m_mpv : nullptr; }, parent);
}

void MpvPlayer::setPaused(bool paused)
{
    m_paused = paused;
    int flag = paused ? 1 : 0;
    m_lib->setProperty(m_mpv, "pause", MPV_FORMAT_FLAG, &flag);
}

void MpvPlayer::readEvents()
{
    while (m_mpv) {
        const mpv_event *event = m_lib->waitEvent(m_mpv, 0);
        if (!event || event->event_id == MPV_EVENT_NONE)
            break;
        handle(*event);
    }
}

void MpvPlayer::handle(const mpv_event &event)
{
    switch (event.event_id) {
    case MPV_EVENT_FILE_LOADED: {
        m_loaded = true;
        // The length is asked at once: its change notice may come only after the file opened.
        double duration = 0;
        if (m_lib->getProperty(m_mpv, "duration", MPV_FORMAT_DOUBLE, &duration) >= 0)
            m_length = std::llround(duration * 1000);
        Q_EMIT fileOpened(m_file);
        reportMode();
        break;
    }
    case MPV_EVENT_END_FILE: {
        // A file that cannot be played stays closed; its length is not reported.
        const auto *end = static_cast<const mpv_event_end_file *>(event.data);
        if (end && end->reason == MPV_END_FILE_REASON_ERROR) {
            m_loaded = false;
            Q_EMIT fileFailed(m_file);
            reportMode();
        }
        break;
    }
    case MPV_EVENT_GET_PROPERTY_REPLY: {
        const auto *property = static_cast<const mpv_event_property *>(event.data);
        if (event.reply_userdata == LevelsReply && event.error >= 0 && property &&
            property->format == MPV_FORMAT_NODE)
            levelsArrived(property->data);
        break;
    }
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto *property = static_cast<const mpv_event_property *>(event.data);
        propertyChanged(property->name, property->data, property->format);
        break;
    }
    default:
        break;
    }
}

void MpvPlayer::propertyChanged(const char *name, const void *data, int format)
{
    const bool present = data && format != MPV_FORMAT_NONE;
    if (std::strcmp(name, "time-pos") == 0 && present) {
        m_position = std::llround(*static_cast<const double *>(data) * 1000);
        Q_EMIT positionChanged(m_position);
    } else if (std::strcmp(name, "duration") == 0 && present) {
        m_length = std::llround(*static_cast<const double *>(data) * 1000);
    } else if (std::strcmp(name, "seeking") == 0) {
        m_seeking = present && *static_cast<const int *>(data) != 0;
    } else if (std::strcmp(name, "eof-reached") == 0) {
        m_atEnd = present && *static_cast<const int *>(data) != 0;
        // The last frame may start a little before the end: at the end, the position is the length,
        // which is what tells the automatic advance that the medium is done.
        if (m_atEnd && m_loaded && m_position < m_length) {
            m_position = m_length;
            Q_EMIT positionChanged(m_position);
        }
    }
    reportMode();
}

void MpvPlayer::reportMode()
{
    const int now = mode();
    if (now == m_reportedMode)
        return;
    m_reportedMode = now;
    if (now == Playing) {
        m_levelTimer->start();
    } else if (m_levelTimer->isActive()) {
        m_levelTimer->stop();
        Q_EMIT levelsChanged(0, 0);
    }
    Q_EMIT modeChanged(now);
}

void MpvPlayer::askForLevels()
{
    // Asked without waiting: the answer comes as an event.
    m_lib->getPropertyAsync(m_mpv, LevelsReply, LevelProperty, MPV_FORMAT_NODE);
}

void MpvPlayer::levelsArrived(const void *data)
{
    const auto *node = static_cast<const mpv_node *>(data);
    if (!node || node->format != MPV_FORMAT_NODE_MAP || mode() != Playing)
        return;
    double levels[2] = {-1, -1};
    const mpv_node_list *map = node->u.list;
    for (int i = 0; i < map->num; ++i) {
        const QLatin1String key(map->keys[i]);
        const mpv_node &value = map->values[i];
        if (value.format != MPV_FORMAT_STRING || !key.endsWith(QLatin1String(".Peak_level")))
            continue;
        if (key == QLatin1String("lavfi.astats.1.Peak_level"))
            levels[0] = AudioLevel::fromDecibels(QString::fromLatin1(value.u.string));
        else if (key == QLatin1String("lavfi.astats.2.Peak_level"))
            levels[1] = AudioLevel::fromDecibels(QString::fromLatin1(value.u.string));
    }
    if (levels[0] < 0)
        return;
    // A single channel shows on both sides.
    Q_EMIT levelsChanged(levels[0], levels[1] < 0 ? levels[0] : levels[1]);
}
