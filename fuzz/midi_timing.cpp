// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/MidiTiming.h"

#include <cstddef>
#include <cstdint>

// Any bytes at all, read as a MIDI song: the reader must neither crash, nor read outside the
// bytes, nor loop.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MidiTiming::length(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
