#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ctrl+Right pressed again while the player still seeks where the key before sent it: the medium
# plays on from the last place, and the automatic advance goes to the next file at its end. A video
# with a single key frame is slow to seek in, as a song is where the sound card holds the seek up.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
mpv --no-config --really-quiet "av://lavfi:testsrc2=size=320x180:rate=25:duration=40" \
    --o="$media/1 film.mp4" --ovc=libx264 --ovcopts=preset=ultrafast,g=1000 >/dev/null 2>&1 ||
    e2e_fail "could not make the video"
e2e_wave "$media/2 next.wav" 2

e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 20 "the film to be opened" e2e_opened "1 film.mp4"
e2e_wait 20 "the player to report playing over MPRIS" e2e_playing
e2e_key F2
# Ten seconds on, three times, at a quick typist's pace.
e2e_key --delay 100 ctrl+Right ctrl+Right ctrl+Right
e2e_wait 30 "the film to play on past 30 s" e2e_position_past 31000000
e2e_wait 20 "the next file once the film has ended" e2e_opened "2 next.wav"
e2e_close_kestrove
echo "PASS: $E2E_NAME"
