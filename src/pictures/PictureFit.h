// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Where a picture goes in a panel: at its own size when it fits, otherwise scaled down in two
// passes over width and height by whole percentages; never enlarged, always centred.
namespace PictureFit {

QRect fit(const QSize &picture, const QSize &panel);

} // namespace PictureFit
