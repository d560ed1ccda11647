// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/FluidLibrary.h"

#include "platform/DynamicLibrary.h"

namespace Fluid {

const FluidFunctions *functions()
{
    return DynamicLibrary::loadOnce<FluidFunctions>(
        "libfluidsynth.so.3", [](void *library, FluidFunctions &table) {
            using DynamicLibrary::find;
            return find(library, "new_fluid_settings", table.newSettings) &&
                   find(library, "delete_fluid_settings", table.deleteSettings) &&
                   find(library, "fluid_settings_setstr", table.settingsSetStr) &&
                   find(library, "fluid_settings_setint", table.settingsSetInt) &&
                   find(library, "fluid_settings_setnum", table.settingsSetNum) &&
                   find(library, "new_fluid_synth", table.newSynth) &&
                   find(library, "delete_fluid_synth", table.deleteSynth) &&
                   find(library, "fluid_synth_sfload", table.synthSfload) &&
                   find(library, "fluid_synth_write_s16", table.synthWriteS16) &&
                   find(library, "new_fluid_player", table.newPlayer) &&
                   find(library, "delete_fluid_player", table.deletePlayer) &&
                   find(library, "fluid_player_add_mem", table.playerAddMem) &&
                   find(library, "fluid_player_play", table.playerPlay);
        });
}

} // namespace Fluid
