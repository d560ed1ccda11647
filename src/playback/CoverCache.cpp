// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/CoverCache.h"

#include "platform/LogCategories.h"
#include "platform/NativePath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/stat.h>

namespace CoverCache {

QString folder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .filePath(QStringLiteral("covers"));
}

QString fileFor(const QString &mediaPath, const QString &folder)
{
    const QByteArray bytes = NativePath::toBytes(mediaPath);
    struct stat info = {};
    ::stat(bytes.constData(), &info);
    const QByteArray key = bytes + '\0' + QByteArray::number(qint64(info.st_size)) + '\0' +
                           QByteArray::number(qint64(info.st_mtim.tv_sec)) + '.' +
                           QByteArray::number(qint64(info.st_mtim.tv_nsec));
    return QDir(folder).filePath(
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
        QStringLiteral(".jpg"));
}

void markUsed(const QString &cover)
{
    ::utimensat(AT_FDCWD, NativePath::toBytes(cover).constData(), nullptr, 0);
}

void trim(const QString &folder, int capacity)
{
    const QFileInfoList kept =
        QDir(folder).entryInfoList({QStringLiteral("*.jpg")}, QDir::Files | QDir::Hidden, QDir::Time);
    for (qsizetype i = capacity; i < kept.size(); ++i) {
        if (QFile::remove(kept[i].filePath()))
            qCInfo(logPlayback) << "removed the cover shown longest ago:" << kept[i].filePath();
    }
}

} // namespace CoverCache
