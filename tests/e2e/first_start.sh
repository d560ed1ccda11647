#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A first start in a fresh profile: the window takes three quarters of the screen, centred, and
# shows the Music folder with its modern files listed; the path chosen there is kept for the next
# start.
source "$(dirname "$0")/lib.sh"

mkdir -p "$HOME/Music" "$HOME/Pictures" "$HOME/Videos"
e2e_wave "$HOME/Music/song.flac" 2
e2e_start_kestrove

# The window's inside on a 1280 x 960 screen without panels: 960 x 720, centred.
geometry=$(xdotool getactivewindow getwindowgeometry)
[[ $geometry == *"Geometry: 960x720"* ]] || e2e_fail "the window is not three quarters of the screen: $geometry"
[[ $geometry =~ Position:\ ([0-9]+),([0-9]+) ]] || e2e_fail "no window position in: $geometry"
((BASH_REMATCH[1] >= 140 && BASH_REMATCH[1] <= 180 && BASH_REMATCH[2] >= 100 && BASH_REMATCH[2] <= 160)) ||
    e2e_fail "the window is not centred: $geometry"
# The first entry after "..": the FLAC song, listed in a fresh profile.
e2e_key Down
e2e_wait 10 "the song in the Music folder" e2e_active_title_matches 'Music/song\.flac'
e2e_close_kestrove
e2e_expect_equal "the path kept for the next start" "$HOME/Music/song.flac" "$(e2e_setting LastPath)"
echo "PASS: $E2E_NAME"
