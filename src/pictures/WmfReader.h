// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>

// Windows metafiles drawn into pictures by the metafile module (libwmf).
namespace WmfReader {

// Whether the bytes begin as a metafile does (placeable or plain).
bool isMetafile(const QByteArray &bytes);
// The metafile drawn at its own size, or at the size sizeFor gives for its own size; a null
// picture when it cannot be drawn.
QImage read(const QByteArray &bytes, const std::function<QSize(const QSize &natural)> &sizeFor = {});

} // namespace WmfReader
