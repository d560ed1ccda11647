// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/exif/Exiv2Module.h"

#include "backends/exif/Exiv2Reader.h"

PictureFacts Exiv2Module::facts(const QByteArray &path)
{
    return Exiv2Reader::fromFile(path);
}
