// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/exif/Exiv2Reader.h"

#include <QLoggingCategory>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Every damaged input is noted in the log, which would drown the fuzzer's own output.
    QLoggingCategory::setFilterRules(QStringLiteral("kestrove.pictures.exif.info=false"));
    return 0;
}

// Any bytes at all, read as a picture file: the reader must neither crash, nor let an exception
// out, nor read outside the bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Exiv2Reader::fromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
