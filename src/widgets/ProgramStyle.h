// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QProxyStyle>
#include <future>

// The desktop's style, with two changes under Fusion, neither of which changes a pixel:
// - Group box frames are drawn from Fusion's own frame picture, read once as PNG. Fusion reads that
//   picture by file name alone, and Qt then loads every image plugin (with libtiff, libwebp, libmng
//   and more) to ask each whether it reads the file, at the first paint of any window that has a
//   group box. Even named as PNG, the first picture read looks through the image plugins'
//   descriptions, so the picture is read on the thread pool while the window is built.
// - Tall scroll bars are drawn in bands. Qt's raster engine hands any fill of more than 95 lines to
//   the thread pool in parts and waits for them; for the gradients of a tall scroll bar those
//   hand-overs cost several times the drawing (0.3 to 0.7 ms a bar at start). Each band is drawn
//   whole on the calling thread.
class ProgramStyle : public QProxyStyle
{
public:
    ProgramStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

    // The height of the bands tall scroll bars are drawn in: a gradient fill, a span a line, stays
    // below the engine's threshold. Narrower bands measured slower, for the style's work each band
    // repeats.
    static constexpr int ScrollBarBand = 64;

private:
    // The frame picture, null when it could not be read or the base style draws frames as it is.
    const QPixmap &frame() const;

    bool m_fusion = false;
    mutable std::future<QImage> m_frameRead;
    mutable QPixmap m_frame;
};
