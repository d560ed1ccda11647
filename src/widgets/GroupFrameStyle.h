// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QProxyStyle>

// The desktop's style, with one change under Fusion: group box frames are drawn from Fusion's own
// frame picture, read once as PNG. Fusion reads that picture by file name alone, and Qt then loads
// every image plugin (with libtiff, libwebp, libmng and more) to ask each whether it reads the file,
// at the first paint of any window that has a group box.
class GroupFrameStyle : public QProxyStyle
{
public:
    GroupFrameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    bool m_drawsFrames = false;
    QPixmap m_frame;
};
