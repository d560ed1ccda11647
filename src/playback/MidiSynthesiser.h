// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// A General MIDI synthesiser playing one song into 16-bit stereo samples, as fast as it is asked
// for them (the song is timed by the samples rendered, not by the clock).
class MidiSynthesiser
{
public:
    virtual ~MidiSynthesiser() = default;

    // False when the sound font at these path bytes cannot be loaded.
    virtual bool loadSoundFont(const QByteArray &path) = 0;
    // Starts the song given as the bytes of a MIDI file; false when it is not a song.
    virtual bool loadSong(const QByteArray &song) = 0;
    // The next frames of sound, left and right samples interleaved, into four bytes a frame;
    // past the song's end only the last notes fade. False when the synthesiser fails.
    virtual bool render(int frames, char *into) = 0;
};
