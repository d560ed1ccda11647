// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/ThumbnailMaker.h"

#include "platform/ModuleLoader.h"
#include "platform/NativePath.h"
#include "playback/CoverFinder.h"
#include "playback/MpvModule.h"
#include "playback/PictureDecoder.h"

#include <QMimeDatabase>
#include <clocale>

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

ThumbnailMaker::ThumbnailMaker()
{
    // libmpv refuses to start unless numbers are written the C way; workers cannot set it safely.
    std::setlocale(LC_NUMERIC, "C");
}

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

QImage ThumbnailMaker::frame(const QString &path, double fraction, int side, QDeadlineTimer deadline)
{
    MpvModule *module = ModuleLoader::load<MpvModule>(QStringLiteral("mpv"));
    return module ? fitted(module->frame(NativePath::toBytes(path), fraction, deadline), side) : QImage();
}
