#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A picture named on the command line (`kestrove photo.jpg`) and F2 at once: the automatic advance
# starts, as it does for a picture chosen in the list: the next pictures of its folder follow one
# another at the slide delay, three seconds here, long enough to see each on the screen.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_picture "$media/1 photo.jpg" '#0000ff'
e2e_picture "$media/2 photo.jpg" '#00ff00'
e2e_picture "$media/3 photo.jpg" '#ff0000'
mkdir -p "$(dirname "$E2E_SETTINGS")"
# The third of the slide delays, "3 Sec.".
printf '[%%General]\nSlide=2\n' >"$E2E_SETTINGS"

e2e_start_kestrove "$media/1 photo.jpg"
e2e_wait 10 "the first picture to be shown" e2e_shown '#0000ff' 10
e2e_active_title_matches '/1 photo\.jpg \(' || e2e_fail "the title does not name the first picture"
e2e_key F2
e2e_wait 10 "the automatic advance to the second picture" e2e_active_title_matches '/2 photo\.jpg \('
e2e_wait 10 "the second picture to be shown" e2e_shown '#00ff00' 10
e2e_wait 10 "the automatic advance to the third picture" e2e_active_title_matches '/3 photo\.jpg \('
e2e_wait 10 "the third picture to be shown" e2e_shown '#ff0000' 10
e2e_close_kestrove
echo "PASS: $E2E_NAME"
