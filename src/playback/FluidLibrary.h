// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fluidsynth.h>

// FluidSynth, loaded when the first MIDI song is rendered rather than with the program (it brings
// some sixty libraries of sound servers and file formats). Each member is FluidSynth's function
// of that name.
struct FluidFunctions
{
    decltype(&new_fluid_settings) newSettings = nullptr;
    decltype(&delete_fluid_settings) deleteSettings = nullptr;
    decltype(&fluid_settings_setstr) settingsSetStr = nullptr;
    decltype(&fluid_settings_setint) settingsSetInt = nullptr;
    decltype(&fluid_settings_setnum) settingsSetNum = nullptr;
    decltype(&new_fluid_synth) newSynth = nullptr;
    decltype(&delete_fluid_synth) deleteSynth = nullptr;
    decltype(&fluid_synth_sfload) synthSfload = nullptr;
    decltype(&fluid_synth_write_s16) synthWriteS16 = nullptr;
    decltype(&new_fluid_player) newPlayer = nullptr;
    decltype(&delete_fluid_player) deletePlayer = nullptr;
    decltype(&fluid_player_add_mem) playerAddMem = nullptr;
    decltype(&fluid_player_play) playerPlay = nullptr;
};

namespace Fluid {

// FluidSynth's functions, the library loaded on the first call; nothing when it cannot be loaded
// or lacks one of them.
const FluidFunctions *functions();

} // namespace Fluid
