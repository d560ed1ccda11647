// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QProxyStyle>
#include <future>

// The desktop's style, with one change under Fusion: group box frames are drawn from Fusion's own
// frame picture, read once as PNG. Fusion reads that picture by file name alone, and Qt then loads
// every image plugin (with libtiff, libwebp, libmng and more) to ask each whether it reads the file,
// at the first paint of any window that has a group box. Even named as PNG, the first picture read
// looks through the image plugins' descriptions, so the picture is read on the thread pool while
// the window is built.
class GroupFrameStyle : public QProxyStyle
{
public:
    GroupFrameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    // The frame picture, null when it could not be read or the base style draws frames as it is.
    const QPixmap &frame() const;

    mutable std::future<QImage> m_frameRead;
    mutable QPixmap m_frame;
};
