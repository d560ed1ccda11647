// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

// Where the graphic button puts its picture and text, and how large it makes itself.
struct FlatButtonLayout
{
    enum Align
    {
        Centred = 0,
        RightToPicture = 1,
        BelowPicture = 2
    };

    QSize picture; // empty without a picture
    QSize text;    // empty without a text
    int borderSize = 1;
    int borderSpace = 0;
    int pictureToTextSpace = 0;
    int pictureTab = 0;
    int alignText = Centred;

    // The size the button takes when it sizes itself to its content, in pixels.
    QSize autoSize() const;
    QPoint picturePosition(const QSize &button) const;
    QPoint textPosition(const QSize &button) const;
};
