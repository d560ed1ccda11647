// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/mpv/LibmpvEngine.h"

#include "backends/mpv/LibmpvRenderer.h"
#include "backends/mpv/MpvLogging.h"

#include <QVariantList>
#include <QVariantMap>
#include <mpv/client.h>
#include <mpv/stream_cb.h>

namespace {

QVariant fromNode(const mpv_node &node)
{
    switch (node.format) {
    case MPV_FORMAT_STRING:
        return QString::fromUtf8(node.u.string);
    case MPV_FORMAT_FLAG:
        return node.u.flag != 0;
    case MPV_FORMAT_INT64:
        return qint64(node.u.int64);
    case MPV_FORMAT_DOUBLE:
        return node.u.double_;
    case MPV_FORMAT_NODE_ARRAY: {
        QVariantList list;
        for (int i = 0; i < node.u.list->num; ++i)
            list.append(fromNode(node.u.list->values[i]));
        return list;
    }
    case MPV_FORMAT_NODE_MAP: {
        QVariantMap map;
        for (int i = 0; i < node.u.list->num; ++i)
            map.insert(QString::fromUtf8(node.u.list->keys[i]), fromNode(node.u.list->values[i]));
        return map;
    }
    default:
        return {};
    }
}

QVariant fromProperty(const mpv_event_property &property)
{
    if (!property.data)
        return {};
    switch (property.format) {
    case MPV_FORMAT_DOUBLE:
        return *static_cast<const double *>(property.data);
    case MPV_FORMAT_FLAG:
        return *static_cast<const int *>(property.data) != 0;
    case MPV_FORMAT_NODE:
        return fromNode(*static_cast<const mpv_node *>(property.data));
    default:
        return {};
    }
}

int openStream(void *opener, char *uri, mpv_stream_cb_info *info)
{
    std::unique_ptr<MpvStream> stream = (*static_cast<MpvEngine::StreamOpener *>(opener))(QByteArray(uri));
    if (!stream)
        return MPV_ERROR_LOADING_FAILED;
    info->cookie = stream.release();
    info->read_fn = [](void *cookie, char *into, uint64_t count) -> int64_t {
        return static_cast<MpvStream *>(cookie)->read(into, count);
    };
    info->seek_fn = [](void *cookie, int64_t offset) -> int64_t {
        return static_cast<MpvStream *>(cookie)->seek(offset) ? offset : int64_t(MPV_ERROR_GENERIC);
    };
    info->size_fn = [](void *cookie) -> int64_t { return static_cast<MpvStream *>(cookie)->size(); };
    info->close_fn = [](void *cookie) { delete static_cast<MpvStream *>(cookie); };
    info->cancel_fn = [](void *cookie) { static_cast<MpvStream *>(cookie)->cancel(); };
    return 0;
}

} // namespace

LibmpvEngine::LibmpvEngine(mpv_handle *handle) : m_mpv(handle) {}

LibmpvEngine::~LibmpvEngine()
{
    mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
    mpv_terminate_destroy(m_mpv);
}

void LibmpvEngine::command(std::initializer_list<const char *> arguments)
{
    std::vector<const char *> line(arguments);
    line.push_back(nullptr);
    const int status = mpv_command(m_mpv, line.data());
    if (status < 0) {
        const QByteArray step = QByteArray("run \"") + arguments.begin()[0] + '"';
        mpvSucceeded(status, step.constData());
    }
}

void LibmpvEngine::setFlag(const char *name, bool on)
{
    int flag = on ? 1 : 0;
    const int status = mpv_set_property(m_mpv, name, MPV_FORMAT_FLAG, &flag);
    if (status < 0)
        mpvSucceeded(status, (QByteArray("set ") + name).constData());
}

void LibmpvEngine::setNumber(const char *name, double value)
{
    const int status = mpv_set_property(m_mpv, name, MPV_FORMAT_DOUBLE, &value);
    if (status < 0)
        mpvSucceeded(status, (QByteArray("set ") + name).constData());
}

qint64 LibmpvEngine::loadFile(const QByteArray &path)
{
    const char *line[] = {"loadfile", path.constData(), "replace", nullptr};
    mpv_node result{};
    const int status = mpv_command_ret(m_mpv, line, &result);
    if (status < 0) {
        mpvSucceeded(status, "run \"loadfile\"");
        return 0;
    }
    // The command answers with the entry the file's events will carry.
    qint64 entry = 0;
    if (result.format == MPV_FORMAT_NODE_MAP) {
        for (int i = 0; i < result.u.list->num; ++i) {
            const mpv_node &value = result.u.list->values[i];
            if (qstrcmp(result.u.list->keys[i], "playlist_entry_id") == 0 && value.format == MPV_FORMAT_INT64)
                entry = value.u.int64;
        }
    }
    mpv_free_node_contents(&result);
    return entry;
}

void LibmpvEngine::stop()
{
    command({"stop"});
}

void LibmpvEngine::seek(double seconds)
{
    const QByteArray position = QByteArray::number(seconds, 'f', 3);
    command({"seek", position.constData(), "absolute+exact"});
}

void LibmpvEngine::setPaused(bool paused)
{
    setFlag("pause", paused);
}

void LibmpvEngine::setSpeed(double factor)
{
    setNumber("speed", factor);
}

void LibmpvEngine::setVolume(double percent)
{
    setNumber("volume", percent);
}

void LibmpvEngine::setMuted(bool muted)
{
    setFlag("mute", muted);
}

void LibmpvEngine::setAudioFilters(const char *filters)
{
    mpvSucceeded(mpv_set_property_string(m_mpv, "af", filters), "set the sound's filters");
}

std::optional<double> LibmpvEngine::numberProperty(const char *name)
{
    double value = 0;
    if (mpv_get_property(m_mpv, name, MPV_FORMAT_DOUBLE, &value) < 0)
        return std::nullopt;
    return value;
}

std::optional<qint64> LibmpvEngine::integerProperty(const char *name)
{
    int64_t value = 0;
    if (mpv_get_property(m_mpv, name, MPV_FORMAT_INT64, &value) < 0)
        return std::nullopt;
    return qint64(value);
}

void LibmpvEngine::observeNumber(const char *name)
{
    mpvSucceeded(mpv_observe_property(m_mpv, 0, name, MPV_FORMAT_DOUBLE), "observe a property");
}

void LibmpvEngine::observeFlag(const char *name)
{
    mpvSucceeded(mpv_observe_property(m_mpv, 0, name, MPV_FORMAT_FLAG), "observe a property");
}

void LibmpvEngine::observeStructure(const char *name)
{
    mpvSucceeded(mpv_observe_property(m_mpv, 0, name, MPV_FORMAT_NODE), "observe a property");
}

void LibmpvEngine::askProperty(quint64 reply, const char *name)
{
    mpvSucceeded(mpv_get_property_async(m_mpv, reply, name, MPV_FORMAT_NODE), "ask for a property");
}

void LibmpvEngine::runCommand(quint64 reply, const QList<QByteArray> &arguments)
{
    std::vector<const char *> line;
    for (const QByteArray &argument : arguments)
        line.push_back(argument.constData());
    line.push_back(nullptr);
    // libmpv copies the arguments before it returns.
    mpvSucceeded(mpv_command_async(m_mpv, reply, line.data()), "start a command");
}

void LibmpvEngine::setWakeUpCallback(std::function<void()> wakeUp)
{
    // libmpv calls the callback under its own lock: once it is unset, no call is under way.
    mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
    m_wakeUp = std::move(wakeUp);
    if (m_wakeUp)
        mpv_set_wakeup_callback(
            m_mpv, [](void *self) { static_cast<LibmpvEngine *>(self)->m_wakeUp(); }, this);
}

std::optional<MpvEngine::Event> LibmpvEngine::nextEvent()
{
    for (;;) {
        const mpv_event *event = mpv_wait_event(m_mpv, 0);
        if (!event || event->event_id == MPV_EVENT_NONE)
            return std::nullopt;
        switch (event->event_id) {
        case MPV_EVENT_START_FILE: {
            // A file's loaded event tells nothing of which file it is: the start before it does.
            const auto *start = static_cast<const mpv_event_start_file *>(event->data);
            m_startedEntry = start ? start->playlist_entry_id : 0;
            break;
        }
        case MPV_EVENT_FILE_LOADED:
            return Event{Event::Kind::FileLoaded, {}, 0, {}, m_startedEntry};
        case MPV_EVENT_END_FILE: {
            const auto *end = static_cast<const mpv_event_end_file *>(event->data);
            if (end && end->reason == MPV_END_FILE_REASON_ERROR) {
                mpvSucceeded(end->error, "play the file");
                return Event{Event::Kind::FileFailed, {}, 0, {}, end->playlist_entry_id};
            }
            break;
        }
        case MPV_EVENT_LOG_MESSAGE: {
            const auto *message = static_cast<const mpv_event_log_message *>(event->data);
            qCWarning(lcMpv, "%s: %s", message->prefix, QByteArray(message->text).trimmed().constData());
            break;
        }
        case MPV_EVENT_GET_PROPERTY_REPLY: {
            // A property that has no value now is not worth a log line: the answer is no value.
            const auto *property = static_cast<const mpv_event_property *>(event->data);
            const bool answered = event->error >= 0 && property;
            return Event{Event::Kind::PropertyReply, property ? QByteArray(property->name) : QByteArray(),
                         event->reply_userdata, answered ? fromProperty(*property) : QVariant()};
        }
        case MPV_EVENT_COMMAND_REPLY:
            return Event{Event::Kind::CommandReply,
                         {},
                         event->reply_userdata,
                         mpvSucceeded(event->error, "run a command")};
        case MPV_EVENT_PROPERTY_CHANGE: {
            const auto *property = static_cast<const mpv_event_property *>(event->data);
            return Event{Event::Kind::PropertyChanged, property->name, 0, fromProperty(*property)};
        }
        default:
            break;
        }
    }
}

void LibmpvEngine::addReadOnlyProtocol(const QByteArray &protocol, StreamOpener open)
{
    m_openers.push_back(std::make_unique<StreamOpener>(std::move(open)));
    const QByteArray step = "read the protocol " + protocol;
    mpvSucceeded(mpv_stream_cb_add_ro(m_mpv, protocol.constData(), m_openers.back().get(), openStream),
                 step.constData());
}

std::unique_ptr<MpvVideoRenderer> LibmpvEngine::createVideoRenderer(ProcAddress procAddress)
{
    return LibmpvRenderer::create(m_mpv, std::move(procAddress));
}
