// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QImage>
#include <QString>
#include <functional>

// The desktop's shared store of thumbnails, as every program on the desktop reads and writes it:
// a PNG per file, named by the MD5 of the file's URI, under "normal" (128 pixels) or "large"
// (256), that names its file and the file's time of change in text chunks. A thumbnail whose time
// differs from the file's is stale. Files that cannot be pictured leave an entry under this
// program's own "fail" folder, so that they are not tried again until they change.
class ThumbnailCache
{
public:
    static constexpr int NormalSide = 128;
    static constexpr int LargeSide = 256;

    // The store of thumbnails under the given folder; by default the user's one in the cache
    // location.
    explicit ThumbnailCache(const QString &root = defaultRoot());
    static QString defaultRoot();

    // The file: URI of a path as the desktop spells it: its bytes, each escaped as %XX but for
    // letters, digits and -._~!$&'()*+,/:=@.
    static QByteArray uriOf(const QString &path);
    // The name of the thumbnail of a URI: the lower-case hexadecimal MD5 of it, and ".png".
    static QString nameOf(const QByteArray &uri);

    // The file of the thumbnail of that size (NormalSide or LargeSide), and of the failure entry.
    QString thumbnailPath(const QByteArray &uri, int side) const;
    QString failurePath(const QByteArray &uri) const;

    // Makes the thumbnail of a file, scaled to fit the side; a null picture when it cannot.
    using Maker = std::function<QImage(const QString &path, int side, QDeadlineTimer deadline)>;
    // The file's thumbnail from the store when it is current there; otherwise made, stored and
    // given, or its failure recorded and a null picture given. Neither is tried for what is not a
    // regular file.
    QImage obtain(const QString &path, int side, const Maker &make, QDeadlineTimer deadline) const;

    // The stored thumbnail when its URI and time of change are the ones given; null otherwise.
    QImage readCurrent(const QString &file, const QByteArray &uri, qint64 changed) const;
    // Stores a thumbnail (no larger than the side) under the folder of that size, replacing the file
    // whole, readable by the user alone.
    bool write(const QByteArray &uri, qint64 changed, const QImage &thumbnail, int side = NormalSide) const;
    bool writeFailure(const QByteArray &uri, qint64 changed) const;

private:
    bool store(const QString &file, const QByteArray &uri, qint64 changed, const QImage &image) const;

    QString m_root;
};
