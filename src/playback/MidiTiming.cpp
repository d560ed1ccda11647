// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MidiTiming.h"

#include <QtEndian>
#include <algorithm>
#include <map>

namespace MidiTiming {

namespace {

constexpr quint32 DefaultTempo = 500000; // microseconds per quarter note: 120 beats a minute

class Reader
{
public:
    Reader(const char *data, qint64 size) : m_data(reinterpret_cast<const uchar *>(data)), m_size(size) {}

    bool atEnd() const { return m_at >= m_size; }
    bool has(qint64 count) const { return count >= 0 && m_size - m_at >= count; }
    uchar byte() { return m_data[m_at++]; }
    uchar peek() const { return m_data[m_at]; }
    void skip(qint64 count) { m_at += count; }
    // A variable-length number: at most four bytes of seven bits.
    std::optional<quint32> number()
    {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i) {
            if (atEnd())
                return std::nullopt;
            const uchar next = byte();
            value = (value << 7) | (next & 0x7f);
            if (!(next & 0x80))
                return value;
        }
        return std::nullopt;
    }

private:
    const uchar *m_data;
    qint64 m_size;
    qint64 m_at = 0;
};

// Reads one track: its last tick, and the tempo changes it holds by tick.
quint64 readTrack(Reader track, std::multimap<quint64, quint32> &tempos)
{
    quint64 tick = 0;
    // Channel messages may leave out a status byte that repeats; meta and system events may not.
    uchar running = 0;
    while (!track.atEnd()) {
        const std::optional<quint32> delta = track.number();
        if (!delta || track.atEnd())
            break;
        // An event counts once it is read whole.
        const quint64 at = tick + *delta;
        uchar status = running;
        if (track.peek() & 0x80) {
            status = track.byte();
            running = status < 0xf0 ? status : 0;
        }
        if (status == 0xff) {
            if (!track.has(1))
                break;
            const uchar type = track.byte();
            const std::optional<quint32> size = track.number();
            if (!size || !track.has(*size))
                break;
            if (type == 0x51 && *size == 3) {
                quint32 tempo = track.byte();
                tempo = (tempo << 8) | track.byte();
                tempo = (tempo << 8) | track.byte();
                if (tempo > 0)
                    tempos.emplace(at, tempo);
            } else {
                track.skip(*size);
            }
            tick = at;
            if (type == 0x2f)
                break;
        } else if (status == 0xf0 || status == 0xf7) {
            const std::optional<quint32> size = track.number();
            if (!size || !track.has(*size))
                break;
            track.skip(*size);
            tick = at;
        } else if (status >= 0x80 && status < 0xf0) {
            const int kind = status & 0xf0;
            const int dataBytes = (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
            if (!track.has(dataBytes))
                break;
            track.skip(dataBytes);
            tick = at;
        } else {
            // Data without a status before it, or a system message a file cannot hold.
            break;
        }
    }
    return tick;
}

// Millions of events, each hundreds of millions of ticks after the one before at the slowest tempo,
// would give a time past what a qint64 holds: such a song is given the longest time there is.
qint64 milliseconds(double value)
{
    constexpr double Longest = 9.0e18;
    return qint64(std::min(value, Longest));
}

} // namespace

std::optional<qint64> length(const QByteArray &song)
{
    if (song.size() < 14 || !song.startsWith("MThd"))
        return std::nullopt;
    const quint32 headerSize = qFromBigEndian<quint32>(song.constData() + 4);
    if (headerSize < 6 || headerSize > quint32(song.size() - 8))
        return std::nullopt;
    const quint16 division = qFromBigEndian<quint16>(song.constData() + 12);
    if (division == 0)
        return std::nullopt;

    std::multimap<quint64, quint32> tempos;
    quint64 lastTick = 0;
    qint64 at = 8 + qint64(headerSize);
    bool anyTrack = false;
    while (song.size() - at >= 8) {
        const quint32 size = qFromBigEndian<quint32>(song.constData() + at + 4);
        const qint64 body = at + 8;
        const bool track = song.mid(at, 4) == "MTrk";
        // A track claiming more than the file holds is no song: read as far as the file goes, its
        // bytes would be taken for events they are not. Another chunk cut short only ends the file.
        if (size > song.size() - body) {
            if (track)
                return std::nullopt;
            break;
        }
        if (track) {
            anyTrack = true;
            lastTick = std::max(lastTick, readTrack(Reader(song.constData() + body, size), tempos));
        }
        at = body + size;
    }
    if (!anyTrack)
        return std::nullopt;

    if (division & 0x8000) {
        // Frames a second and ticks a frame: time without tempo.
        const int framesPerSecond = -qint8(division >> 8);
        const int ticksPerFrame = division & 0xff;
        if (framesPerSecond <= 0 || ticksPerFrame == 0)
            return std::nullopt;
        return milliseconds(double(lastTick) * 1000.0 / (framesPerSecond * ticksPerFrame));
    }
    double microseconds = 0;
    quint64 tick = 0;
    quint32 tempo = DefaultTempo;
    for (const auto &[changeAt, newTempo] : tempos) {
        if (changeAt >= lastTick)
            break;
        microseconds += double(changeAt - tick) * tempo / division;
        tick = changeAt;
        tempo = newTempo;
    }
    microseconds += double(lastTick - tick) * tempo / division;
    return milliseconds(microseconds / 1000.0);
}

} // namespace MidiTiming
