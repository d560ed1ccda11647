// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/RiffHeaders.h"

#include <cstddef>
#include <cstdint>

// Any bytes at all, read as an AVI and as a WAVE file: the readers must neither crash, nor read
// outside the bytes, nor loop.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const RiffHeaders::ReadAt read = [&bytes](qint64 offset, qint64 length) {
        if (offset < 0 || length <= 0 || offset >= bytes.size())
            return QByteArray();
        return bytes.mid(qsizetype(offset), qsizetype(qMin<qint64>(length, bytes.size() - offset)));
    };
    RiffHeaders::hasForm(read, "AVI ");
    RiffHeaders::readAvi(read, qint64(size));
    RiffHeaders::WaveFormat format;
    RiffHeaders::readWave(read, qint64(size), format);
    return 0;
}
