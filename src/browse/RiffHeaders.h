// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Readers for the headers of RIFF files: the form type, the main header of AVI files and the
// format chunk of WAVE files. They read through a function handing out bytes at an offset, never
// trust a size found in the file beyond the file's own length, and give up on malformed input
// instead of failing.
namespace RiffHeaders {

// Bytes of the file at an offset; fewer (or none) past its end.
using ReadAt = std::function<QByteArray(qint64 offset, qint64 length)>;

struct AviInfo
{
    bool canRead = false;
    bool canWrite = false;
    bool hasIndex = false;
    bool allKeyFrames = false;
    bool capturedFile = false;
    bool compressed = false;
    bool interleaved = false;
    bool mustUseIndex = false;
    // Frames per second of the first video stream, halves to even.
    quint32 frameRate = 0;
    quint32 width = 0;
    quint32 height = 0;
    quint32 length = 0;
    quint32 streams = 0;
    QString type;
};

struct WaveFormat
{
    quint16 formatTag = 0;
    quint16 channels = 0;
    quint32 samplesPerSecond = 0;
    quint32 averageBytesPerSecond = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;
};

enum class WaveProblem
{
    None,
    NotWave,
    NoFormatChunk,
    ShortFormatChunk
};

// True when the file starts with "RIFF" and its form type is the four given characters.
bool hasForm(const ReadAt &read, const char (&form)[5]);
// The AVI record from the main header and the first video stream; nothing without a main header.
std::optional<AviInfo> readAvi(const ReadAt &read, qint64 fileSize);
// The format chunk of a WAVE file: at least the 16 bytes of the basic header.
WaveProblem readWave(const ReadAt &read, qint64 fileSize, WaveFormat &format);

} // namespace RiffHeaders
