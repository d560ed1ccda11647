// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MediaTypes.h"

namespace {

const std::array<QLatin1String, MediaTypes::AllCount> Extensions = {
    QLatin1String(".wav"),  QLatin1String(".voc"),  QLatin1String(".mp3"),  QLatin1String(".avi"),
    QLatin1String(".mid"),  QLatin1String(".mpg"),  QLatin1String(".mpeg"), QLatin1String(".mov"),
    QLatin1String(".mod"),  QLatin1String(".xm"),   QLatin1String(".s3m"),  QLatin1String(".it"),
    QLatin1String(".wma"),  QLatin1String(".asf"),  QLatin1String(".dat"),  QLatin1String(".jpg"),
    QLatin1String(".gif"),  QLatin1String(".bmp"),  QLatin1String(".wmf"),  QLatin1String(".cur"),
    QLatin1String(".ico"),  QLatin1String(".png"),  QLatin1String(".jpeg"), QLatin1String(".webp"),
    QLatin1String(".flac"), QLatin1String(".ogg"),  QLatin1String(".opus"), QLatin1String(".m4a"),
    QLatin1String(".mp4"),  QLatin1String(".mkv"),  QLatin1String(".webm"), QLatin1String(".svg"),
    QLatin1String(".tif"),  QLatin1String(".tiff"),
};

// PNG, JPEG, WebP; SVG, TIFF.
bool isModernPictureRow(int row)
{
    return (row >= 21 && row <= 23) || (row >= 31 && row < MediaTypes::AllCount);
}

bool validRow(int row)
{
    return row >= 0 && row < MediaTypes::AllCount;
}

} // namespace

MediaTypes::MediaTypes() = default;

QString MediaTypes::extension(int row) const
{
    return validRow(row) ? QString(Extensions[std::size_t(row)]) : QString();
}

bool MediaTypes::dragDrop(int row) const
{
    return validRow(row) && m_dragDrop[std::size_t(row)];
}

void MediaTypes::setDragDrop(int row, bool on)
{
    if (validRow(row))
        m_dragDrop[std::size_t(row)] = on;
}

void MediaTypes::setPictureRange(int first, int last)
{
    m_firstPicture = first;
    m_lastPicture = last;
}

QString MediaTypes::filePattern(bool showAll) const
{
    if (showAll)
        return QStringLiteral("*.*");
    QString pattern;
    for (int row = 0; row < count(); ++row)
        pattern += QLatin1Char('*') + Extensions[std::size_t(row)] + QLatin1Char(';');
    if (pattern.endsWith(QLatin1Char(';')))
        pattern.chop(1);
    return pattern;
}

bool MediaTypes::isPicture(const QString &fileName) const
{
    const QString tail = fileName.right(3);
    for (int row = m_firstPicture; row <= m_lastPicture; ++row) {
        if (validRow(row) && tail.compare(extension(row).right(3), Qt::CaseInsensitive) == 0)
            return true;
    }
    if (m_modern) {
        for (int row = Count; row < AllCount; ++row) {
            if (isModernPictureRow(row) &&
                fileName.endsWith(Extensions[std::size_t(row)], Qt::CaseInsensitive))
                return true;
        }
    }
    return false;
}
