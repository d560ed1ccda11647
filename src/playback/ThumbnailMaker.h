// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QImage>
#include <QString>

// Thumbnails of media files: a picture decoded at reduced size (metafiles drawn at it), a frame at
// a tenth of a video, a song's own cover or the cover beside it. Made on any thread.
class ThumbnailMaker
{
public:
    // Made on the window's thread, before any worker uses it.
    ThumbnailMaker();

    // Whether the file is of a kind that has thumbnails, told by its name alone.
    static bool handles(const QString &path);
    // The thumbnail fitted in a square of the side, never enlarged; a null picture when there is none
    // by the deadline.
    QImage make(const QString &path, int side, QDeadlineTimer deadline) const;
    // A picture fitted in a square of the side, never enlarged.
    static QImage fitted(const QImage &image, int side);

private:
    static QImage frame(const QString &path, double fraction, int side, QDeadlineTimer deadline);
    static QImage picture(const QString &path, int side);
};
