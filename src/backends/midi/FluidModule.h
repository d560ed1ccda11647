// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/MidiModule.h"

#include <QObject>

// The MIDI module: FluidSynth's synthesisers, its messages sent to the program's log.
class FluidModule : public QObject, public MidiModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.kestrove.MidiModule/1")
    Q_INTERFACES(MidiModule)

public:
    FluidModule();

    std::unique_ptr<MidiSynthesiser> createSynthesiser(int sampleRate) override;
};
