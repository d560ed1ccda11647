// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/PictureDecoder.h"

#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"
#include "playback/PictureFit.h"
#include "playback/WmfReader.h"

#include <QFile>
#include <QImageReader>
#include <mutex>

namespace PictureDecoder {

namespace {

// The most memory one picture may take, in megabytes: a photograph of 100 megapixels fits.
constexpr int AllocationLimitMb = 512;
constexpr qint64 MaxMetafileBytes = 64 * 1024 * 1024;
const QString Unreadable = QStringLiteral("the picture cannot be read");

Result readMetafile(QFile &file, const QSize &panel)
{
    Result result;
    if (file.size() > MaxMetafileBytes) {
        result.problem = Unreadable;
        return result;
    }
    const QByteArray bytes = file.readAll();
    // libwmf keeps state of its own between calls.
    static std::mutex lock;
    std::lock_guard guard(lock);
    // Drawn once, at the size it is shown.
    result.image = WmfReader::read(bytes, [&result, &panel](const QSize &natural) {
        result.naturalSize = natural;
        return panel.isValid() ? PictureFit::fit(natural, panel).size() : natural;
    });
    if (result.image.isNull())
        result.problem = Unreadable;
    return result;
}

} // namespace

Result decode(const QString &path, const QSize &panel)
{
    Result result;
    FileDescriptor descriptor;
    result.problem = descriptor.openForReading(NativePath::toBytes(path));
    if (!result.problem.isEmpty())
        return result;
    QFile file;
    if (!file.open(descriptor.get(), QIODevice::ReadOnly)) {
        result.problem = file.errorString();
        return result;
    }
    if (path.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive) || WmfReader::isMetafile(file.peek(18)))
        return readMetafile(file, panel);

    QImageReader::setAllocationLimit(AllocationLimitMb);
    QImageReader reader(&file);
    // Photographs turned by their camera are shown upright: their sizes are turned too.
    reader.setAutoTransform(true);
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    result.naturalSize = turned ? reader.size().transposed() : reader.size();
    const QSize fitted = panel.isValid() && result.naturalSize.isValid()
                             ? PictureFit::fit(result.naturalSize, panel).size()
                             : result.naturalSize;
    if (fitted.isValid() && fitted != result.naturalSize && !fitted.isEmpty() &&
        reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(turned ? fitted.transposed() : fitted);
    result.animated = reader.supportsAnimation() && reader.imageCount() != 1;
    result.image = reader.read();
    if (result.image.isNull()) {
        result.problem = reader.errorString();
        return result;
    }
    if (!result.naturalSize.isValid())
        result.naturalSize = result.image.size();
    if (fitted.isValid() && !fitted.isEmpty() && result.image.size() != fitted)
        result.image = result.image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return result;
}

} // namespace PictureDecoder
