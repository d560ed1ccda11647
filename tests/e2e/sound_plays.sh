#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Choosing a sound file in the file list plays it: the position the program offers over MPRIS on
# the session bus moves on. The machine may have no sound card: the player then falls back to
# its null audio output, which still plays in real time.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_wave "$media/first.wav" 8
e2e_wave "$media/second.wav" 8

# "Autoplay at start" (off) is for a file the start opens: the first file chosen plays.
e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 20 "the first file to be opened" e2e_opened first.wav
e2e_wait 20 "the player to report playing over MPRIS" e2e_playing
first=$(e2e_position)
e2e_wait 10 "the position to move on by half a second from ${first}us" e2e_position_past $((first + 500000))
e2e_close_kestrove
echo "PASS: $E2E_NAME"
