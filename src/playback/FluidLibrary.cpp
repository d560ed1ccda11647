// SPDX-License-Identifier: GPL-3.0-or-later
#include "FluidLibrary.h"

#include "DynamicLibrary.h"

#include <mutex>

namespace {

// FluidSynth's functions, looked up once. Every one must be found, or none is used.
struct Functions
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
    bool loaded = false;
};

const Functions &functions()
{
    static Functions table;
    static std::once_flag once;
    std::call_once(once, [] {
        void *library = DynamicLibrary::open("libfluidsynth.so.3");
        if (library == nullptr)
            return;
        using DynamicLibrary::find;
        Functions found;
        found.loaded = find(library, "new_fluid_settings", found.newSettings) &&
                       find(library, "delete_fluid_settings", found.deleteSettings) &&
                       find(library, "fluid_settings_setstr", found.settingsSetStr) &&
                       find(library, "fluid_settings_setint", found.settingsSetInt) &&
                       find(library, "fluid_settings_setnum", found.settingsSetNum) &&
                       find(library, "new_fluid_synth", found.newSynth) &&
                       find(library, "delete_fluid_synth", found.deleteSynth) &&
                       find(library, "fluid_synth_sfload", found.synthSfload) &&
                       find(library, "fluid_synth_write_s16", found.synthWriteS16) &&
                       find(library, "new_fluid_player", found.newPlayer) &&
                       find(library, "delete_fluid_player", found.deletePlayer) &&
                       find(library, "fluid_player_add_mem", found.playerAddMem) &&
                       find(library, "fluid_player_play", found.playerPlay);
        if (found.loaded)
            table = found;
    });
    return table;
}

} // namespace

namespace Fluid {

fluid_settings_t *newSettings()
{
    return functions().loaded ? functions().newSettings() : nullptr;
}

void deleteSettings(fluid_settings_t *settings)
{
    functions().deleteSettings(settings);
}

int settingsSetStr(fluid_settings_t *settings, const char *name, const char *value)
{
    return functions().settingsSetStr(settings, name, value);
}

int settingsSetInt(fluid_settings_t *settings, const char *name, int value)
{
    return functions().settingsSetInt(settings, name, value);
}

int settingsSetNum(fluid_settings_t *settings, const char *name, double value)
{
    return functions().settingsSetNum(settings, name, value);
}

fluid_synth_t *newSynth(fluid_settings_t *settings)
{
    return functions().newSynth(settings);
}

void deleteSynth(fluid_synth_t *synth)
{
    functions().deleteSynth(synth);
}

int synthSfload(fluid_synth_t *synth, const char *fileName, int resetPresets)
{
    return functions().synthSfload(synth, fileName, resetPresets);
}

int synthWriteS16(fluid_synth_t *synth, int length, void *left, int leftOffset, int leftIncrement,
                  void *right, int rightOffset, int rightIncrement)
{
    return functions().synthWriteS16(synth, length, left, leftOffset, leftIncrement, right, rightOffset,
                                     rightIncrement);
}

fluid_player_t *newPlayer(fluid_synth_t *synth)
{
    return functions().newPlayer(synth);
}

void deletePlayer(fluid_player_t *player)
{
    functions().deletePlayer(player);
}

int playerAddMem(fluid_player_t *player, const void *buffer, size_t length)
{
    return functions().playerAddMem(player, buffer, length);
}

int playerPlay(fluid_player_t *player)
{
    return functions().playerPlay(player);
}

} // namespace Fluid
