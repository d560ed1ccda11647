// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Pictures read from files to be shown: every format Qt reads, and Windows metafiles. Fitted into
// a panel, a large picture is decoded at reduced size where the format allows it (JPEG scales while
// it decodes). A picture claiming more memory than the limit is refused before it is read.
namespace PictureDecoder {

struct Result
{
    QImage image;
    // The picture's own size, even when it was decoded smaller.
    QSize naturalSize;
    // It has more than one frame and can be played as an animation.
    bool animated = false;
    // Why it cannot be shown; empty when it can.
    QString problem;
};

// Where a file ends before its picture does, the rows that could not be read show this colour.
inline constexpr QRgb MissingRowColour = 0xff808080;

// The picture fitted into the panel (PictureFit); an invalid panel gives the natural size.
Result decode(const QString &path, const QSize &panel = QSize());

} // namespace PictureDecoder
