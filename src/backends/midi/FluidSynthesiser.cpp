// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/midi/FluidSynthesiser.h"

#include "backends/midi/FluidLogging.h"

#include <fluidsynth.h>

FluidSynthesiser::FluidSynthesiser(int sampleRate) : m_settings(new_fluid_settings())
{
    if (!m_settings) {
        qCWarning(lcMidi, "FluidSynth cannot make its settings");
        return;
    }
    // Timed by the samples rendered, not by the clock: it renders as fast as it can.
    fluid_settings_setstr(m_settings, "player.timing-source", "sample");
    fluid_settings_setint(m_settings, "synth.lock-memory", 0);
    fluid_settings_setnum(m_settings, "synth.sample-rate", sampleRate);
    m_synth = new_fluid_synth(m_settings);
}

FluidSynthesiser::~FluidSynthesiser()
{
    if (m_player)
        delete_fluid_player(m_player);
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
}

bool FluidSynthesiser::loadSoundFont(const QByteArray &path)
{
    if (fluid_synth_sfload(m_synth, path.constData(), 1) != FLUID_FAILED)
        return true;
    qCWarning(lcMidi, "FluidSynth cannot load the sound font %s", path.constData());
    return false;
}

bool FluidSynthesiser::loadSong(const QByteArray &song)
{
    if (!m_player)
        m_player = new_fluid_player(m_synth);
    return m_player && fluid_player_add_mem(m_player, song.constData(), size_t(song.size())) == FLUID_OK &&
           fluid_player_play(m_player) == FLUID_OK;
}

bool FluidSynthesiser::render(int frames, char *into)
{
    return fluid_synth_write_s16(m_synth, frames, into, 0, 2, into, 1, 2) == FLUID_OK;
}
