// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureDecoder.h"

#include "pictures/FormatByName.h"
#include "pictures/PictureFit.h"
#include "pictures/WmfReader.h"
#include "platform/FileDescriptor.h"
#include "platform/NativePath.h"

#include <QFile>
#include <QImageReader>
#include <cstring>
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

// An image for the reader to decode into, of the size and format it will give, filled with the
// given palette index, or the colour of missing rows: a decoder that stops early leaves the rest of
// the image as it found it. Nothing when the reader cannot tell, or the picture is over the limit.
QImage blankFor(QImageReader &reader, int index)
{
    const QSize size = reader.scaledSize().isValid() ? reader.scaledSize() : reader.size();
    const QImage::Format format = reader.imageFormat();
    if (size.isEmpty() || format == QImage::Format_Invalid)
        return {};
    const qint64 bits = qint64(size.width()) * size.height() * QImage::toPixelFormat(format).bitsPerPixel();
    if (bits / 8 > qint64(AllocationLimitMb) * 1024 * 1024)
        return {};
    QImage image(size, format);
    if (image.format() == QImage::Format_Indexed8)
        image.fill(uint(index));
    else if (image.depth() == 1)
        image.fill(0);
    else if (!image.isNull())
        image.fill(QColor(MissingRowColour));
    return image;
}

// Reads the picture, which starts at the beginning of the device.
QImage readFilled(QImageReader &reader, QIODevice &device)
{
    QImage image = blankFor(reader, 255);
    if (!reader.read(&image))
        return {};
    if (image.format() != QImage::Format_Indexed8)
        return image;
    if (image.colorCount() < 256) {
        // A palette with room left: its last entry is the colour of missing rows.
        image.setColorCount(256);
        image.setColor(255, MissingRowColour);
        return image;
    }
    // A full palette has no entry to spare. Pixels the decoder never wrote still hold the index the
    // image was filled with: a picture without that index anywhere is whole.
    bool fillLeft = false;
    for (int y = 0; y < image.height() && !fillLeft; ++y)
        fillLeft = std::memchr(image.constScanLine(y), 255, size_t(image.width())) != nullptr;
    if (!fillLeft)
        return image;
    // A second reading over another index tells which of those pixels the decoder never wrote.
    device.seek(0);
    QImageReader again(&device);
    again.setAutoTransform(true);
    again.setScaledSize(reader.scaledSize());
    QImage other = blankFor(again, 0);
    if (!again.read(&other) || other.size() != image.size() || other.format() != image.format())
        return image;
    QImage shown = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const uchar *first = image.constScanLine(y);
        const uchar *second = other.constScanLine(y);
        auto *row = reinterpret_cast<QRgb *>(shown.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (first[x] != second[x])
                row[x] = MissingRowColour;
        }
    }
    return shown;
}

// Smooth scaling gives a palette picture back in its own format: one bit a pixel comes back
// dithered to black and white, eight bits with a palette of its own choosing. Scaled in true
// colour, it keeps its colours.
QImage smoothlyScaled(const QImage &image, const QSize &size)
{
    const bool palette = image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB ||
                         image.format() == QImage::Format_Indexed8;
    const QImage source =
        palette ? image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                : QImage::Format_RGB32)
                : image;
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
    QImageReader reader;
    FormatByName::choose(reader, file, path);
    // Photographs turned by their camera are shown upright: their sizes are turned too.
    reader.setAutoTransform(true);
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    result.naturalSize = turned ? reader.size().transposed() : reader.size();
    const QSize fitted = panel.isValid() && result.naturalSize.isValid()
                             ? PictureFit::fit(result.naturalSize, panel).size()
                             : result.naturalSize;
    // Qt's PNG reader, scaling while it decodes, writes a picture of one bit a pixel as black and
    // white noise: such a picture is small at full size, and scaled once read.
    const QImage::Format format = reader.imageFormat();
    const bool oneBit = format == QImage::Format_Mono || format == QImage::Format_MonoLSB;
    if (fitted.isValid() && fitted != result.naturalSize && !fitted.isEmpty() && !oneBit &&
        reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(turned ? fitted.transposed() : fitted);
    result.animated = reader.supportsAnimation() && reader.imageCount() != 1;
    result.image = readFilled(reader, file);
    if (result.image.isNull()) {
        result.problem = reader.errorString();
        return result;
    }
    if (!result.naturalSize.isValid())
        result.naturalSize = result.image.size();
    if (fitted.isValid() && !fitted.isEmpty() && result.image.size() != fitted)
        result.image = smoothlyScaled(result.image, fitted);
    return result;
}

} // namespace PictureDecoder
