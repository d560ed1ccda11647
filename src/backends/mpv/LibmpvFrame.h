// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QImage>

// One frame of a medium, taken by a libmpv handle of its own that neither shows nor sounds.
namespace LibmpvFrame {

// The frame at the fraction of the medium's length (a song's cover picture for a song that has
// one); a null picture when there is none by the deadline.
QImage take(const QByteArray &path, double fraction, QDeadlineTimer deadline);

} // namespace LibmpvFrame
