#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The media libraries the program loads only when a file needs them: choosing a metafile draws it
# (libwmf), and choosing a MIDI song plays it (FluidSynth renders it, libmpv plays the rendering):
# the position the program offers over MPRIS moves on.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_metafile "$media/1-shape.wmf"
e2e_midi "$media/2-song.mid"
e2e_midi "$media/3-song.mid"

e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 10 "the metafile's red rectangle to be drawn" e2e_shown '#ff0000'
# The first medium chosen in a session only opens ("Autoplay at start" is off); the next one plays.
e2e_key Down
e2e_key Down
e2e_wait 30 "the MIDI song to be reported playing over MPRIS" e2e_playing
first=$(e2e_position)
e2e_wait 10 "the position to move on by half a second from ${first}us" e2e_position_past $((first + 500000))
e2e_close_kestrove
echo "PASS: $E2E_NAME"
