// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <atomic>

// MIDI songs are turned into sound by a General MIDI synthesiser: the whole song is rendered ahead
// into a WAVE file (16-bit stereo, 44.1 kHz) that the player then plays like any other sound.
namespace MidiRenderer {

bool isMidi(const QString &path);
// The General MIDI sound font installed on the system; empty when there is none.
QString soundFont();
// Where the rendering of a song is kept: one file per song, its size and its time of change.
QString renderingOf(const QString &midiPath);
// Renders the song; returns why it could not, empty on success. A rendering already there is
// kept; a rendering that is cancelled leaves nothing behind.
QString render(const QString &midiPath, const QString &wavePath, const std::atomic_bool &cancelled);

} // namespace MidiRenderer
