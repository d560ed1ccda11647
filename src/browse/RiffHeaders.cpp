// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/RiffHeaders.h"

#include "core/Rounding.h"

#include <QtEndian>

namespace RiffHeaders {

namespace {

// A file with more chunks than this before what is looked for is taken as malformed.
constexpr int MaxChunks = 4096;
constexpr qint64 AviMainHeaderSize = 40;
constexpr qint64 StreamHeaderSize = 36;
constexpr qint64 BasicFormatSize = 16;

quint32 word32(const QByteArray &bytes, qsizetype at)
{
    return at + 4 <= bytes.size() ? qFromLittleEndian<quint32>(bytes.constData() + at) : 0;
}

quint16 word16(const QByteArray &bytes, qsizetype at)
{
    return at + 2 <= bytes.size() ? qFromLittleEndian<quint16>(bytes.constData() + at) : 0;
}

struct Chunk
{
    QByteArray id;
    // Where the chunk's data starts and how much of it lies inside the file.
    qint64 data = 0;
    qint64 size = 0;
};

// Walks the chunks between start and end, calling visit for each until it returns true.
bool forEachChunk(const ReadAt &read, qint64 start, qint64 end,
                  const std::function<bool(const Chunk &)> &visit)
{
    qint64 at = start;
    for (int count = 0; count < MaxChunks && at + 8 <= end; ++count) {
        const QByteArray header = read(at, 8);
        if (header.size() < 8)
            return false;
        const quint32 declared = word32(header, 4);
        Chunk chunk{header.left(4), at + 8, qMin<qint64>(declared, end - (at + 8))};
        if (visit(chunk))
            return true;
        // Chunks are padded to an even length.
        at = chunk.data + qint64(declared) + (declared & 1);
    }
    return false;
}

// The RIFF chunk's end, bounded by the file: where the top-level chunks stop.
qint64 riffEnd(const ReadAt &read, qint64 fileSize)
{
    return qMin<qint64>(8 + qint64(word32(read(0, 8), 4)), fileSize);
}

struct StreamFacts
{
    bool found = false;
    quint32 scale = 0;
    quint32 rate = 0;
    quint32 compression = 1;
};

// The first video stream of the header list: its rate, scale and compression.
StreamFacts firstVideoStream(const ReadAt &read, const Chunk &headerList)
{
    StreamFacts video;
    forEachChunk(read, headerList.data + 4, headerList.data + headerList.size, [&](const Chunk &list) {
        if (list.id != "LIST" || read(list.data, 4) != "strl")
            return false;
        QByteArray header;
        QByteArray format;
        forEachChunk(read, list.data + 4, list.data + list.size, [&](const Chunk &part) {
            if (part.id == "strh")
                header = read(part.data, qMin<qint64>(part.size, StreamHeaderSize));
            else if (part.id == "strf")
                format = read(part.data, qMin<qint64>(part.size, 20));
            return !header.isEmpty() && !format.isEmpty();
        });
        if (header.left(4) != "vids")
            return false;
        video.found = true;
        video.scale = word32(header, 20);
        video.rate = word32(header, 24);
        video.compression = format.size() >= 20 ? word32(format, 16) : 1;
        return true;
    });
    return video;
}

// Codecs that store every frame whole, so that every frame is a key frame: plain bitmaps, bitmaps
// with bit fields, uncompressed YUV and motion JPEG.
bool everyFrameWhole(quint32 compression)
{
    if (compression == 0 || compression == 3)
        return true;
    QByteArray code(4, '\0');
    qToLittleEndian(compression, code.data());
    code = code.toUpper();
    for (const char *whole : {"DIB ", "RGB ", "RAW ", "MJPG", "Y800", "YUY2", "UYVY", "I420", "YV12"}) {
        if (code == whole)
            return true;
    }
    return false;
}

} // namespace

bool hasForm(const ReadAt &read, const char (&form)[5])
{
    const QByteArray header = read(0, 12);
    return header.size() == 12 && header.startsWith("RIFF") && header.mid(8, 4) == QByteArray(form, 4);
}

std::optional<AviInfo> readAvi(const ReadAt &read, qint64 fileSize)
{
    std::optional<AviInfo> result;
    forEachChunk(read, 12, riffEnd(read, fileSize), [&](const Chunk &chunk) {
        if (chunk.id != "LIST" || read(chunk.data, 4) != "hdrl")
            return false;
        QByteArray main;
        forEachChunk(read, chunk.data + 4, chunk.data + chunk.size, [&](const Chunk &part) {
            if (part.id == "avih")
                main = read(part.data, qMin<qint64>(part.size, AviMainHeaderSize));
            return part.id == "avih";
        });
        if (main.size() < AviMainHeaderSize)
            return true;
        const quint32 flags = word32(main, 12);
        AviInfo info;
        // What opens an AVI file also writes it.
        info.canRead = true;
        info.canWrite = true;
        info.hasIndex = flags & 0x10;
        info.mustUseIndex = flags & 0x20;
        info.interleaved = flags & 0x100;
        info.capturedFile = flags & 0x10000;
        info.length = word32(main, 16);
        info.streams = word32(main, 24);
        info.width = word32(main, 32);
        info.height = word32(main, 36);
        info.type = QStringLiteral("AVI");
        const StreamFacts video = firstVideoStream(read, chunk);
        if (video.found && video.scale != 0)
            info.frameRate = quint32(Rounding::halfEven64(double(video.rate) / double(video.scale)));
        // Uncompressed frames are stored as plain bitmaps (compression 0).
        info.compressed = !video.found || video.compression != 0;
        info.allKeyFrames = video.found && everyFrameWhole(video.compression);
        result = info;
        return true;
    });
    return result;
}

WaveProblem readWave(const ReadAt &read, qint64 fileSize, WaveFormat &format)
{
    if (!hasForm(read, "WAVE"))
        return WaveProblem::NotWave;
    QByteArray bytes;
    bool found = false;
    forEachChunk(read, 12, riffEnd(read, fileSize), [&](const Chunk &chunk) {
        if (chunk.id != "fmt ")
            return false;
        found = true;
        bytes = read(chunk.data, qMin<qint64>(chunk.size, 22));
        return true;
    });
    if (!found)
        return WaveProblem::NoFormatChunk;
    if (bytes.size() < BasicFormatSize)
        return WaveProblem::ShortFormatChunk;
    format.formatTag = word16(bytes, 0);
    format.channels = word16(bytes, 2);
    format.samplesPerSecond = word32(bytes, 4);
    format.averageBytesPerSecond = word32(bytes, 8);
    format.blockAlign = word16(bytes, 12);
    format.bitsPerSample = word16(bytes, 14);
    return WaveProblem::None;
}

} // namespace RiffHeaders
