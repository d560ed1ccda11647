// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ThumbnailCache.h"

#include "platform/NativePath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImageReader>
#include <QSaveFile>
#include <QStandardPaths>
#include <optional>
#include <sys/stat.h>

namespace {

const QString UriKey = QStringLiteral("Thumb::URI");
const QString ChangedKey = QStringLiteral("Thumb::MTime");
// Failures are kept per program and version: another program may well picture the file.
const QString FailureFolder = QStringLiteral("fail/kestrove-0.1");
constexpr auto PrivateFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// The time of change of a regular file in whole seconds; nothing for anything else.
std::optional<qint64> changedOf(const QString &path)
{
    struct stat info = {};
    if (::stat(NativePath::toBytes(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return qint64(info.st_mtim.tv_sec);
}

// A folder for the user alone, unless it is there: another worker may make it at the same moment.
bool havePrivateFolder(const QString &path)
{
    return QFileInfo(path).isDir() || QDir().mkdir(path, PrivateFolder) || QFileInfo(path).isDir();
}

// Makes the root and the folders below it that are missing, each for the user alone.
bool makePrivateFolder(const QString &root, const QString &below)
{
    if (!QDir().mkpath(QFileInfo(root).path()) || !havePrivateFolder(root))
        return false;
    QString path = root;
    for (const QString &part : below.split(QLatin1Char('/'))) {
        path += QLatin1Char('/') + part;
        if (!havePrivateFolder(path))
            return false;
    }
    return true;
}

} // namespace

ThumbnailCache::ThumbnailCache(const QString &root) : m_root(root) {}

QString ThumbnailCache::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/thumbnails");
}

QByteArray ThumbnailCache::uriOf(const QString &path)
{
    return QByteArrayLiteral("file://") + NativePath::toBytes(path).toPercentEncoding("!$&'()*+,/:=@");
}

QString ThumbnailCache::nameOf(const QByteArray &uri)
{
    return QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

QString ThumbnailCache::thumbnailPath(const QByteArray &uri, int side) const
{
    const QLatin1String folder = side > NormalSide ? QLatin1String("/large/") : QLatin1String("/normal/");
    return m_root + folder + nameOf(uri);
}

QString ThumbnailCache::failurePath(const QByteArray &uri) const
{
    return m_root + QLatin1Char('/') + FailureFolder + QLatin1Char('/') + nameOf(uri);
}

QImage ThumbnailCache::readCurrent(const QString &file, const QByteArray &uri, qint64 changed) const
{
    // The reader's own text lookup splits keys at colons: the keys are read from the picture.
    QImage image = QImageReader(file, "png").read();
    if (image.text(UriKey).toUtf8() != uri || image.text(ChangedKey) != QString::number(changed))
        return {};
    return image;
}

bool ThumbnailCache::store(const QString &file, const QByteArray &uri, qint64 changed,
                           const QImage &image) const
{
    QImage tagged = image;
    tagged.setText(UriKey, QString::fromLatin1(uri));
    tagged.setText(ChangedKey, QString::number(changed));
    tagged.setText(QStringLiteral("Software"), QStringLiteral("Kestrove"));
    QSaveFile saved(file);
    if (!saved.open(QIODevice::WriteOnly))
        return false;
    // Before anything is written: the picture of a private file is private too.
    saved.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return tagged.save(&saved, "png") && saved.commit();
}

bool ThumbnailCache::write(const QByteArray &uri, qint64 changed, const QImage &thumbnail, int side) const
{
    if (thumbnail.isNull() || qMax(thumbnail.width(), thumbnail.height()) > qMax(side, NormalSide))
        return false;
    const QString folder = side > NormalSide ? QStringLiteral("large") : QStringLiteral("normal");
    return makePrivateFolder(m_root, folder) && store(thumbnailPath(uri, side), uri, changed, thumbnail);
}

bool ThumbnailCache::writeFailure(const QByteArray &uri, qint64 changed) const
{
    QImage mark(1, 1, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    return makePrivateFolder(m_root, FailureFolder) && store(failurePath(uri), uri, changed, mark);
}

QImage ThumbnailCache::obtain(const QString &path, int side, const Maker &make, QDeadlineTimer deadline) const
{
    const std::optional<qint64> changed = changedOf(path);
    if (!changed)
        return {};
    const QByteArray uri = uriOf(path);
    const int stored = side > NormalSide ? LargeSide : NormalSide;
    if (QImage kept = readCurrent(thumbnailPath(uri, stored), uri, *changed); !kept.isNull())
        return kept;
    if (!readCurrent(failurePath(uri), uri, *changed).isNull())
        return {};
    const QImage made = make(path, stored, deadline);
    if (made.isNull() || deadline.hasExpired()) {
        writeFailure(uri, *changed);
        return {};
    }
    write(uri, *changed, made, stored);
    return made;
}
