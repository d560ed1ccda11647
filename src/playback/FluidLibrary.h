// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fluidsynth.h>

// FluidSynth, loaded when the first MIDI song is rendered rather than with the program (it brings
// some sixty libraries of sound servers and file formats). Each function is FluidSynth's own of
// the same name; newSettings() answers nothing when the library cannot be loaded, and the others
// are only called with what it made.
namespace Fluid {

fluid_settings_t *newSettings();
void deleteSettings(fluid_settings_t *settings);
int settingsSetStr(fluid_settings_t *settings, const char *name, const char *value);
int settingsSetInt(fluid_settings_t *settings, const char *name, int value);
int settingsSetNum(fluid_settings_t *settings, const char *name, double value);
fluid_synth_t *newSynth(fluid_settings_t *settings);
void deleteSynth(fluid_synth_t *synth);
int synthSfload(fluid_synth_t *synth, const char *fileName, int resetPresets);
int synthWriteS16(fluid_synth_t *synth, int length, void *left, int leftOffset, int leftIncrement,
                  void *right, int rightOffset, int rightIncrement);
fluid_player_t *newPlayer(fluid_synth_t *synth);
void deletePlayer(fluid_player_t *player);
int playerAddMem(fluid_player_t *player, const void *buffer, size_t length);
int playerPlay(fluid_player_t *player);

} // namespace Fluid
