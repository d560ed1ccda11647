// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QImage>
#include <QString>
#include <functional>

// Thumbnails of media files: a picture decoded at reduced size (metafiles drawn at it), a frame at
// a tenth of a video, a song's own cover or the cover beside it. Made on any thread.
class ThumbnailMaker
{
public:
    // A frame at the fraction of a medium's length, or a song's own cover for fraction 0; a null
    // picture when there is none by the deadline. Called on any thread.
    using FrameSource = std::function<QImage(const QString &path, double fraction, QDeadlineTimer deadline)>;

    // Without a frame source, videos and songs have no thumbnails of their own (a song still
    // has the cover beside it).
    explicit ThumbnailMaker(FrameSource frames = {});

    // Whether the file is of a kind that has thumbnails, told by its name alone.
    static bool handles(const QString &path);
    // The thumbnail fitted in a square of the side, never enlarged; a null picture when there is none
    // by the deadline.
    QImage make(const QString &path, int side, QDeadlineTimer deadline) const;
    // A picture fitted in a square of the side, never enlarged.
    static QImage fitted(const QImage &image, int side);

private:
    QImage frame(const QString &path, double fraction, int side, QDeadlineTimer deadline) const;
    static QImage picture(const QString &path, int side);

    FrameSource m_frames;
};
