// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>

// The playing time of a standard MIDI file, read from its tracks and tempo changes without
// playing it. Damaged tracks count up to where they can be read.
namespace MidiTiming {

// Milliseconds from the start to the last event; none when the data is not a MIDI song.
std::optional<qint64> length(const QByteArray &song);

} // namespace MidiTiming
