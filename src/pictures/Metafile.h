// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

// A Windows metafile that has been read and can be drawn.
class Metafile
{
public:
    virtual ~Metafile() = default;

    // The size it is drawn at on a screen of 96 dots per inch.
    virtual QSize size() const = 0;
    // Drawn at this size; a null picture when it cannot be drawn.
    virtual QImage draw(const QSize &size) = 0;
};
