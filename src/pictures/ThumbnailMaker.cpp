// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/ThumbnailMaker.h"

#include "pictures/CoverFinder.h"
#include "pictures/PictureDecoder.h"

#include <QMimeDatabase>

namespace {

// Where in a video its thumbnail is taken: past titles and fades of its start.
constexpr double VideoFraction = 0.1;

enum class Kind
{
    Picture,
    Video,
    Sound,
    Other
};

Kind kindOf(const QString &path)
{
    static const QMimeDatabase mime;
    const QString name = mime.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
    if (name.startsWith(QLatin1String("image/")))
        return Kind::Picture;
    if (name.startsWith(QLatin1String("video/")))
        return Kind::Video;
    if (name.startsWith(QLatin1String("audio/")))
        return Kind::Sound;
    return Kind::Other;
}

} // namespace

ThumbnailMaker::ThumbnailMaker(FrameSource frames) : m_frames(std::move(frames)) {}

QImage ThumbnailMaker::fitted(const QImage &image, int side)
{
    if (image.width() <= side && image.height() <= side)
        return image;
    return image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool ThumbnailMaker::handles(const QString &path)
{
    return kindOf(path) != Kind::Other;
}

QImage ThumbnailMaker::make(const QString &path, int side, QDeadlineTimer deadline) const
{
    switch (kindOf(path)) {
    case Kind::Picture:
        return picture(path, side);
    case Kind::Video:
        return frame(path, VideoFraction, side, deadline);
    case Kind::Sound: {
        if (QImage own = frame(path, 0, side, deadline); !own.isNull())
            return own;
        const QString beside = CoverFinder::besides(path);
        return beside.isEmpty() ? QImage() : picture(beside, side);
    }
    case Kind::Other:
        break;
    }
    return {};
}

QImage ThumbnailMaker::picture(const QString &path, int side)
{
    return fitted(PictureDecoder::decode(path, QSize(side, side)).image, side);
}

QImage ThumbnailMaker::frame(const QString &path, double fraction, int side, QDeadlineTimer deadline) const
{
    return m_frames ? fitted(m_frames(path, fraction, deadline), side) : QImage();
}
