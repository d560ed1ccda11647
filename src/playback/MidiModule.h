// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MidiSynthesiser.h"

#include <QtPlugin>
#include <memory>

// What the MIDI module offers: synthesisers over FluidSynth.
class MidiModule
{
public:
    virtual ~MidiModule() = default;

    // A synthesiser rendering at this many frames a second; nothing when it cannot be made.
    virtual std::unique_ptr<MidiSynthesiser> createSynthesiser(int sampleRate) = 0;
};

Q_DECLARE_INTERFACE(MidiModule, "org.kestrove.MidiModule/1")
