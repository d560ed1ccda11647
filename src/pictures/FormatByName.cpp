// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/FormatByName.h"

#include <QIODevice>
#include <QImageReader>
#include <QString>

namespace FormatByName {

void choose(QImageReader &reader, QIODevice &device, const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QByteArray suffix = dot > slash + 1 ? path.mid(dot + 1).toLower().toLatin1() : QByteArray();
    const qint64 start = device.pos();
    reader.setDevice(&device);
    if (!suffix.isEmpty()) {
        reader.setFormat(suffix);
        reader.setAutoDetectImageFormat(false);
        if (reader.canRead())
            return;
        // A handler may read on to find out (GIF's does). Setting the device again drops it.
        device.seek(start);
        reader.setDevice(&device);
    }
    reader.setFormat(QByteArray());
    reader.setAutoDetectImageFormat(true);
}

} // namespace FormatByName
