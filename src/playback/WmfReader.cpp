// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/WmfReader.h"

#include "playback/WmfLibrary.h"

#include <QtEndian>

namespace WmfReader {

namespace {

// Larger drawings are refused: a metafile may claim any size.
constexpr qint64 MaxPixels = 64LL * 1024 * 1024;

struct Api
{
    const WmfFunctions &functions;
    wmfAPI *api = nullptr;
    ~Api()
    {
        if (api)
            functions.apiDestroy(api);
    }
};

} // namespace

bool isMetafile(const QByteArray &bytes)
{
    if (bytes.size() < 18)
        return false;
    // The placeable header's key, or a plain header: type 1 or 2, nine words long.
    if (qFromLittleEndian<quint32>(bytes.constData()) == 0x9ac6cdd7)
        return true;
    const quint16 type = qFromLittleEndian<quint16>(bytes.constData());
    const quint16 words = qFromLittleEndian<quint16>(bytes.constData() + 2);
    return (type == 1 || type == 2) && words == 9;
}

QImage read(const QByteArray &bytes, const std::function<QSize(const QSize &)> &sizeFor)
{
    if (!isMetafile(bytes))
        return {};
    const WmfFunctions *library = Wmf::functions();
    if (!library)
        return {};
    const WmfFunctions &lib = *library;
    Api wmf{lib};
    wmfAPI_Options options = {};
    options.function = lib.gdFunction;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (lib.apiCreate(&wmf.api, flags, &options) != wmf_E_None)
        return {};
    // libwmf reads the bytes in place and never writes them.
    QByteArray data = bytes;
    if (lib.memOpen(wmf.api, reinterpret_cast<unsigned char *>(data.data()), long(data.size())) != wmf_E_None)
        return {};
    wmfD_Rect box = {};
    unsigned int width = 0;
    unsigned int height = 0;
    if (lib.scan(wmf.api, 0, &box) != wmf_E_None ||
        lib.displaySize(wmf.api, &width, &height, 96, 96) != wmf_E_None || width == 0 || height == 0)
        return {};
    QSize size(int(qMin(width, 1u << 20)), int(qMin(height, 1u << 20)));
    if (sizeFor)
        size = sizeFor(size).expandedTo(QSize(1, 1));
    if (qint64(size.width()) * size.height() > MaxPixels)
        return {};
    // Drawn into a PNG handed to us piece by piece: libwmf keeps no picture of its own then.
    QByteArray png;
    wmf_gd_t *device = WMF_GD_GetData(wmf.api);
    device->type = wmf_gd_png;
    device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
    device->sink.context = &png;
    device->sink.function = [](void *context, char *buffer, int length) {
        static_cast<QByteArray *>(context)->append(buffer, length);
        return length;
    };
    device->bbox = box;
    device->width = unsigned(size.width());
    device->height = unsigned(size.height());
    if (lib.play(wmf.api, 0, &box) != wmf_E_None)
        return {};
    return QImage::fromData(png, "PNG");
}

} // namespace WmfReader
