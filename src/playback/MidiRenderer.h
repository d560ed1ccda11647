// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// MIDI songs are turned into sound by a General MIDI synthesiser (MidiRendering) and played as
// WAVE files; a song's rendering is kept for the next time.
namespace MidiRenderer {

bool isMidi(const QString &path);
// The General MIDI sound font installed on the system; empty when there is none.
QString soundFont();
// Where the rendering of a song is kept: one file per song, its size and its time of change.
QString renderingOf(const QString &midiPath);

} // namespace MidiRenderer
