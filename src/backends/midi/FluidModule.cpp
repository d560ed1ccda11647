// SPDX-License-Identifier: GPL-3.0-or-later
#include "backends/midi/FluidModule.h"

#include "backends/midi/FluidLogging.h"
#include "backends/midi/FluidSynthesiser.h"

#include <fluidsynth.h>

Q_LOGGING_CATEGORY(lcMidi, "kestrove.playback.midi")

namespace {

void logProblem(int, const char *message, void *)
{
    qCWarning(lcMidi, "%s", message);
}

} // namespace

FluidModule::FluidModule()
{
    // FluidSynth writes to the standard error stream unless told otherwise; its notes on each song
    // it loads are not worth keeping.
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN})
        fluid_set_log_function(level, logProblem, nullptr);
    for (const int level : {FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

std::unique_ptr<MidiSynthesiser> FluidModule::createSynthesiser(int sampleRate)
{
    auto synthesiser = std::make_unique<FluidSynthesiser>(sampleRate);
    if (!synthesiser->valid())
        return nullptr;
    return synthesiser;
}
