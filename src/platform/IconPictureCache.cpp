// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IconPictureCache.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr quint32 Magic = 0x4b494331; // "KIC1"
constexpr quint32 MaxPictures = 4096;
constexpr quint16 MaxSide = 512;

void setUp(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_6_0);
}

} // namespace

IconPictureCache::IconPictureCache(QString file, QByteArray stamp)
    : m_file(std::move(file)), m_stamp(std::move(stamp))
{
}

void IconPictureCache::load()
{
    m_loaded = true;
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QDataStream in(&file);
    setUp(in);
    quint32 magic = 0;
    QByteArray stamp;
    quint32 count = 0;
    in >> magic >> stamp >> count;
    if (in.status() != QDataStream::Ok || magic != Magic || stamp != m_stamp || count > MaxPictures)
        return;
    QHash<QByteArray, QImage> images;
    for (quint32 i = 0; i < count; ++i) {
        QByteArray key;
        quint16 width = 0;
        quint16 height = 0;
        in >> key >> width >> height;
        if (in.status() != QDataStream::Ok || width == 0 || height == 0 || width > MaxSide ||
            height > MaxSide)
            return;
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < height; ++y) {
            const int length = width * 4;
            if (in.readRawData(reinterpret_cast<char *>(image.scanLine(y)), length) != length)
                return;
        }
        images.insert(key, image);
    }
    m_images = std::move(images);
}

QImage IconPictureCache::find(const QByteArray &key)
{
    if (!m_loaded)
        load();
    return m_images.value(key);
}

void IconPictureCache::insert(const QByteArray &key, const QImage &image)
{
    if (!m_loaded)
        load();
    if (image.isNull() || image.width() > MaxSide || image.height() > MaxSide ||
        m_images.size() >= qsizetype(MaxPictures))
        return;
    m_images.insert(key, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    m_changed = true;
}

bool IconPictureCache::save()
{
    if (!m_changed)
        return true;
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    setUp(out);
    out << Magic << m_stamp << quint32(m_images.size());
    for (auto it = m_images.cbegin(); it != m_images.cend(); ++it) {
        const QImage &image = it.value();
        out << it.key() << quint16(image.width()) << quint16(image.height());
        for (int y = 0; y < image.height(); ++y)
            out.writeRawData(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    }
    if (out.status() != QDataStream::Ok || !file.commit())
        return false;
    m_changed = false;
    return true;
}
