// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FlatButtonLayout.h"

QSize FlatButtonLayout::autoSize() const
{
    const int textWidth = qMax(0, text.width());
    const int textHeight = qMax(0, text.height());
    const QSize textOnly(textWidth + 2 * borderSpace + 2 * borderSize,
                         textHeight + 2 * borderSpace + 2 * borderSize);
    if (picture.isEmpty())
        return textOnly;
    const int common = borderSize + 1 + 2 * borderSpace + pictureToTextSpace;
    int width = picture.width() + common + (alignText == RightToPicture ? textWidth : 0);
    int height = picture.height() + common + (alignText == BelowPicture ? textHeight : 0);
    // A text wider (or, centred, taller) than its picture is not cut off.
    if (alignText != RightToPicture)
        width = qMax(width, textOnly.width());
    if (alignText == Centred)
        height = qMax(height, textOnly.height());
    return {width, height};
}

QPoint FlatButtonLayout::picturePosition(const QSize &button) const
{
    if (alignText == RightToPicture && !text.isEmpty())
        return {borderSpace + borderSize + pictureTab, (button.height() - picture.height()) / 2};
    if (alignText == BelowPicture)
        return {(button.width() - picture.width()) / 2, borderSpace + borderSize};
    return {(button.width() - picture.width()) / 2, (button.height() - picture.height()) / 2};
}

QPoint FlatButtonLayout::textPosition(const QSize &button) const
{
    const QPoint pictureAt = picturePosition(button);
    switch (alignText) {
    case RightToPicture: {
        const int start = picture.isEmpty() ? borderSpace + borderSize + pictureTab
                                            : pictureAt.x() + picture.width() + pictureToTextSpace;
        return {start, (button.height() - text.height()) / 2};
    }
    case BelowPicture: {
        const int top = picture.isEmpty() ? borderSpace + borderSize
                                          : pictureAt.y() + picture.height() + pictureToTextSpace;
        return {(button.width() - text.width()) / 2, top};
    }
    default:
        return {(button.width() - text.width()) / 2, (button.height() - text.height()) / 2};
    }
}
