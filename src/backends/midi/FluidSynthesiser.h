// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MidiSynthesiser.h"

#include <fluidsynth.h>

// A FluidSynth synthesiser with its own settings and song player.
class FluidSynthesiser : public MidiSynthesiser
{
public:
    explicit FluidSynthesiser(int sampleRate);
    ~FluidSynthesiser() override;
    FluidSynthesiser(const FluidSynthesiser &) = delete;
    FluidSynthesiser &operator=(const FluidSynthesiser &) = delete;

    // False when FluidSynth could not make the synthesiser.
    bool valid() const { return m_synth != nullptr; }

    bool loadSoundFont(const QByteArray &path) override;
    bool loadSong(const QByteArray &song) override;
    bool render(int frames, char *into) override;

private:
    fluid_settings_t *m_settings = nullptr;
    fluid_synth_t *m_synth = nullptr;
    fluid_player_t *m_player = nullptr;
};
