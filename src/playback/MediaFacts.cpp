// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MediaFacts.h"

#include "playback/PositionReadOut.h"

#include <QRegularExpression>
#include <cmath>
#include <initializer_list>

namespace {

// The first tag among those named that has a value, whatever the case of its key: formats write
// "title", "TITLE" or "Title" alike.
QString tag(const QVariantMap &tags, std::initializer_list<QLatin1String> names)
{
    for (const QLatin1String name : names) {
        for (auto it = tags.cbegin(); it != tags.cend(); ++it) {
            if (it.key().compare(name, Qt::CaseInsensitive) != 0)
                continue;
            const QString value = it.value().toString().trimmed();
            if (!value.isEmpty())
                return value;
        }
    }
    return {};
}

// The year of a date written "2019", "2019-05-01", "20190501" or "05/01/2019".
QString yearOf(const QString &date)
{
    static const QRegularExpression year(QStringLiteral("(?<!\\d)\\d{4}"));
    return year.match(date).captured();
}

bool isAudio(const QVariantMap &track)
{
    return track.value(QStringLiteral("type")).toString() == QLatin1String("audio");
}

// Moving pictures, as opposed to a cover shown with a song.
bool isVideo(const QVariantMap &track)
{
    return track.value(QStringLiteral("type")).toString() == QLatin1String("video") &&
           !track.value(QStringLiteral("albumart")).toBool();
}

bool isSelected(const QVariantMap &track)
{
    return track.value(QStringLiteral("selected")).toBool();
}

// The track of a kind that plays: the one selected, else the first; empty when there is none.
QVariantMap playedTrack(const QVariantList &tracks, bool (*ofKind)(const QVariantMap &))
{
    QVariantMap first;
    for (const QVariant &entry : tracks) {
        const QVariantMap track = entry.toMap();
        if (!ofKind(track))
            continue;
        if (isSelected(track))
            return track;
        if (first.isEmpty())
            first = track;
    }
    return first;
}

bool hasEmbeddedCover(const QVariantList &tracks)
{
    for (const QVariant &entry : tracks) {
        const QVariantMap track = entry.toMap();
        if (track.value(QStringLiteral("type")).toString() == QLatin1String("video") &&
            track.value(QStringLiteral("albumart")).toBool() && isSelected(track) &&
            !track.value(QStringLiteral("external")).toBool())
            return true;
    }
    return false;
}

// A positive number, 0 when the value is missing or is not one.
double number(const QVariantMap &map, const QString &key)
{
    bool ok = false;
    const double value = map.value(key).toDouble(&ok);
    return ok && value > 0 && std::isfinite(value) ? value : 0;
}

int whole(const QVariantMap &map, const QString &key)
{
    return int(std::lround(qMin(number(map, key), 1e9)));
}

} // namespace

MediaFacts MediaFacts::read(const QVariantMap &properties)
{
    MediaFacts facts;
    const QVariantMap tags = properties.value(QStringLiteral("metadata")).toMap();
    facts.title = tag(tags, {QLatin1String("title")});
    facts.artist = tag(tags, {QLatin1String("artist")});
    facts.album = tag(tags, {QLatin1String("album")});
    facts.year = yearOf(tag(tags, {QLatin1String("date"), QLatin1String("year")}));
    facts.track = tag(tags, {QLatin1String("track"), QLatin1String("tracknumber")});
    if (const double seconds = number(properties, QStringLiteral("duration")))
        facts.duration = std::llround(seconds * 1000);
    facts.format = properties.value(QStringLiteral("file-format")).toString();

    const QVariantList tracks = properties.value(QStringLiteral("track-list")).toList();
    const QVariantMap audio = playedTrack(tracks, isAudio);
    const QVariantMap video = playedTrack(tracks, isVideo);
    facts.video = !video.isEmpty();
    facts.embeddedCover = !facts.video && hasEmbeddedCover(tracks);
    const QString codec = QStringLiteral("codec");
    facts.audioCodec = audio.value(codec).toString();
    facts.videoCodec = video.value(codec).toString();

    const QVariantMap audioParams = properties.value(QStringLiteral("audio-params")).toMap();
    facts.sampleRate = whole(audio, QStringLiteral("demux-samplerate"));
    if (!facts.sampleRate)
        facts.sampleRate = whole(audioParams, QStringLiteral("samplerate"));
    facts.channels = whole(audio, QStringLiteral("demux-channel-count"));
    if (!facts.channels)
        facts.channels = whole(audioParams, QStringLiteral("channel-count"));

    if (facts.video) {
        const QVariantMap videoParams = properties.value(QStringLiteral("video-params")).toMap();
        facts.width = whole(video, QStringLiteral("demux-w"));
        facts.height = whole(video, QStringLiteral("demux-h"));
        if (!facts.width || !facts.height) {
            facts.width = whole(videoParams, QStringLiteral("dw"));
            facts.height = whole(videoParams, QStringLiteral("dh"));
        }
        facts.frameRate = number(video, QStringLiteral("demux-fps"));
    }

    // The streams' own figures where every stream played has one; else the file's average, which
    // lossless formats and some containers leave to be worked out.
    const QString bitRate = QStringLiteral("demux-bitrate");
    const bool streamsKnown = (audio.isEmpty() || number(audio, bitRate) > 0) &&
                              (video.isEmpty() || number(video, bitRate) > 0) &&
                              !(audio.isEmpty() && video.isEmpty());
    if (streamsKnown) {
        facts.bitRate = qint64(number(audio, bitRate) + number(video, bitRate));
    } else {
        const double bytes = number(properties, QStringLiteral("file-size"));
        const double seconds = number(properties, QStringLiteral("duration"));
        facts.bitRate = seconds > 0 ? qint64(bytes * 8 / seconds) : 0;
    }
    return facts;
}

QStringList MediaFacts::lines() const
{
    if (format == QLatin1String("wav") || format == QLatin1String("avi"))
        return {};
    QStringList lines;
    const auto add = [&lines](const QString &line, const QString &value) {
        if (!value.isEmpty())
            lines.append(line.arg(value));
    };
    add(tr("Title : %1"), title);
    add(tr("Artist : %1"), artist);
    add(tr("Album : %1"), album);
    add(tr("Year : %1"), year);
    add(tr("Track : %1"), track);
    if (duration >= 0)
        add(tr("Duration : %1"), PositionReadOut::clock(duration));
    if (video) {
        add(tr("Video codec : %1"), videoCodec);
        add(tr("Audio codec : %1"), audioCodec);
    } else {
        add(tr("Codec : %1"), audioCodec);
    }
    if (const qint64 kilobits = std::llround(double(bitRate) / 1000))
        add(tr("Bit rate : %1 kbit/s"), QString::number(kilobits));
    if (sampleRate > 0)
        add(tr("Sample rate : %1 Hz"), QString::number(sampleRate));
    if (channels == 1)
        add(tr("Channels : %1"), tr("Mono"));
    else if (channels == 2)
        add(tr("Channels : %1"), tr("Stereo"));
    else if (channels > 2)
        add(tr("Channels : %1"), QString::number(channels));
    if (video && width > 0 && height > 0)
        lines.append(tr("Picture size : %1 x %2").arg(width).arg(height));
    if (video && frameRate > 0)
        add(tr("Frame rate : %1 fps"), QString::number(frameRate, 'g', 5));
    return lines;
}
