// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/WmfReader.h"

#include "pictures/WmfModule.h"
#include "platform/ModuleLoader.h"

#include <QtEndian>

namespace WmfReader {

namespace {

// Larger drawings are refused: a metafile may claim any size.
constexpr qint64 MaxPixels = 64LL * 1024 * 1024;

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
    WmfModule *module = ModuleLoader::load<WmfModule>(QStringLiteral("wmf"));
    const std::unique_ptr<Metafile> metafile = module ? module->open(bytes) : nullptr;
    if (!metafile)
        return {};
    QSize size = metafile->size();
    if (sizeFor)
        size = sizeFor(size).expandedTo(QSize(1, 1));
    if (qint64(size.width()) * size.height() > MaxPixels)
        return {};
    return metafile->draw(size);
}

} // namespace WmfReader
