// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/mpv/LibmpvFrame.h"

#include "backends/mpv/MpvLogging.h"

#include <memory>
#include <mpv/client.h>

namespace LibmpvFrame {

namespace {

struct HandleEnd
{
    void operator()(mpv_handle *handle) const { mpv_terminate_destroy(handle); }
};
using Handle = std::unique_ptr<mpv_handle, HandleEnd>;

const mpv_node *valueOf(const mpv_node &map, const char *key)
{
    if (map.format != MPV_FORMAT_NODE_MAP)
        return nullptr;
    for (int i = 0; i < map.u.list->num; ++i) {
        if (qstrcmp(map.u.list->keys[i], key) == 0)
            return &map.u.list->values[i];
    }
    return nullptr;
}

// The picture of a "screenshot-raw" answer: rows of blue, green, red and a spare byte.
QImage pictureOf(const mpv_node &answer)
{
    const mpv_node *width = valueOf(answer, "w");
    const mpv_node *height = valueOf(answer, "h");
    const mpv_node *stride = valueOf(answer, "stride");
    const mpv_node *data = valueOf(answer, "data");
    if (!width || !height || !stride || !data || width->format != MPV_FORMAT_INT64 ||
        height->format != MPV_FORMAT_INT64 || stride->format != MPV_FORMAT_INT64 ||
        data->format != MPV_FORMAT_BYTE_ARRAY)
        return {};
    const qint64 bytes = stride->u.int64 * height->u.int64;
    if (width->u.int64 <= 0 || height->u.int64 <= 0 || qint64(data->u.ba->size) < bytes)
        return {};
    const QImage frame(static_cast<const uchar *>(data->u.ba->data), int(width->u.int64),
                       int(height->u.int64), qsizetype(stride->u.int64), QImage::Format_RGB32);
    return frame.copy();
}

QImage capture(mpv_handle *mpv)
{
    const char *line[] = {"screenshot-raw", "video", nullptr};
    mpv_node answer{};
    if (!mpvSucceeded(mpv_command_ret(mpv, line, &answer), "take a frame"))
        return {};
    QImage picture = pictureOf(answer);
    mpv_free_node_contents(&answer);
    return picture;
}

Handle started(double fraction)
{
    Handle mpv(mpv_create());
    if (!mpv)
        return nullptr;
    const QByteArray start = QByteArray::number(fraction * 100, 'f', 1) + '%';
    const std::pair<const char *, const char *> options[] = {
        {"config", "no"},
        {"terminal", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"vo", "null"},
        {"ao", "null"},
        {"aid", "no"},
        {"sid", "no"},
        {"pause", "yes"},
        {"hr-seek", "no"},
        {"hwdec", "no"},
        {"cache", "no"},
        // One thread a frame: the queue already runs a worker a core.
        {"vd-lavc-threads", "1"},
        {"audio-display", "embedded-first"},
        {"cover-art-auto", "no"},
        {"start", start.constData()}};
    for (const auto &[name, value] : options)
        mpv_set_option_string(mpv.get(), name, value);
    if (!mpvSucceeded(mpv_initialize(mpv.get()), "start"))
        return nullptr;
    return mpv;
}

} // namespace

QImage take(const QByteArray &path, double fraction, QDeadlineTimer deadline)
{
    const Handle mpv = started(fraction);
    if (!mpv)
        return {};
    const char *load[] = {"loadfile", path.constData(), nullptr};
    if (!mpvSucceeded(mpv_command(mpv.get(), load), "run \"loadfile\""))
        return {};
    while (!deadline.hasExpired()) {
        const mpv_event *event = mpv_wait_event(mpv.get(), double(deadline.remainingTime()) / 1000.0);
        switch (event->event_id) {
        case MPV_EVENT_PLAYBACK_RESTART:
            // The first frame after the seek has reached the output.
            return capture(mpv.get());
        case MPV_EVENT_END_FILE:
        case MPV_EVENT_SHUTDOWN:
            return {};
        default:
            break;
        }
    }
    return {};
}

} // namespace LibmpvFrame
