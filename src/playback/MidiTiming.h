// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>

// The playing time of a standard MIDI file, read from its tracks and tempo changes without
// playing it. A track cut short inside an event counts up to there; a track longer than its file
// makes the file no song.
namespace MidiTiming {

// Milliseconds from the start to the last event; none when the data is not a MIDI song.
std::optional<qint64> length(const QByteArray &song);

} // namespace MidiTiming
