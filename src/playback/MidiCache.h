// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The folder of kept MIDI renderings (WAVE files named by their song). It holds at most a cap of
// bytes, the renderings played longest ago going first, and a rendering never takes the last
// tenth of its disk.
namespace MidiCache {

inline constexpr qint64 CapBytes = qint64(512) << 20;

// Makes room in the folder for a rendering of that many bytes: removes the renderings used longest
// ago until the folder, the new one counted, stays within the cap. Returns why the rendering cannot
// be made (it is larger than the cap by itself, or the disk would be left with less than a tenth
// free), empty when it can.
QString makeRoom(const QString &folder, qint64 bytes, qint64 cap = CapBytes);
// Marks a kept rendering as just used.
void markUsed(const QString &rendering);

} // namespace MidiCache
