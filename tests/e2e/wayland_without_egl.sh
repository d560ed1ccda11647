#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A Wayland compositor whose clients get no EGL (the program is kept from finding Mesa's): there
# is no OpenGL for the video view, and the program still runs. A sound handed to it plays, and so
# does a video without sound, unseen, its clock running; a termination signal ends the program
# cleanly.
E2E_SESSION=wayland
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_wave "$media/first.wav" 8
e2e_video "$media/film.mp4" 8
# GLVND finds no EGL driver in a list that does not exist.
export __EGL_VENDOR_LIBRARY_FILENAMES=$E2E_WORK/no-egl-vendors.json

e2e_start_kestrove "$media"
if ! grep -q "EGL not available" "$E2E_WORK/kestrove.log"; then
    echo "SKIP: $E2E_NAME: the program finds EGL here all the same"
    exit "$E2E_SKIP"
fi
for file in first.wav film.mp4; do
    timeout 10 "$KESTROVE" "$media/$file" >>"$E2E_WORK/second.log" 2>&1 ||
        e2e_fail "the second copy did not hand $file over: $(cat "$E2E_WORK/second.log")"
    e2e_wait 20 "$file to be opened" e2e_opened "$file"
    e2e_wait 20 "the player to report playing $file" e2e_playing
    first=$(e2e_position)
    e2e_wait 10 "the position in $file to move on from ${first}us" e2e_position_past $((first + 500000))
done
e2e_terminate_kestrove 5000
e2e_expect_equal "the file played last" "$media/film.mp4" "$(e2e_setting LastPath)"
echo "PASS: $E2E_NAME"
