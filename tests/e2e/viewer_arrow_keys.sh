#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# In the full-screen viewer, Right steps to the next picture of the folder and Left back, as a
# screen shows; the banner, read as a screen reader reads it, gives the picture's place among the
# folder's pictures and its size. Each picture is of one pure colour, smaller than the screen, so
# that it is shown at its own size in the middle, black around it.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
convert -size 800x600 xc:'#ff0000' "$media/1 red.png"
convert -size 800x600 xc:'#00ff00' "$media/2 green.png"
convert -size 800x600 xc:'#0000ff' "$media/3 blue.png"
# A sound among them, which the banner does not count.
e2e_wave "$media/4 sound.wav" 1

viewer_active() {
    [[ $(xdotool getactivewindow getwindowgeometry 2>/dev/null) == *"Geometry: 1280x960"* ]]
}

# viewer_shows COLOUR: the middle of the screen has the colour and its corners are black.
viewer_shows() {
    local shot=$E2E_WORK/viewer.png
    e2e_screenshot "$shot" || return 1
    local found
    found=$(convert "$shot" -format '%[hex:p{640,480}] %[hex:p{20,20}] %[hex:p{1260,940}]' info:) || return 1
    [[ ${found,,} == "${1#\#} 000000 000000" ]]
}

# banner_reads PATTERN: the viewer's banner reads as the pattern says. The banner leaves after three
# seconds: 1, which shows the picture at its own size as it is already, brings it back for the next try.
banner_reads() {
    e2e_atspi find label "$1" && return 0
    e2e_key 1
    return 1
}

e2e_start_accessibility
e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 15 "the first picture in the preview" e2e_shown '#ff0000'
e2e_key Return
e2e_wait 15 "the full-screen viewer" viewer_active
e2e_wait 15 "the red picture on the whole screen" viewer_shows '#ff0000'
e2e_key Right
e2e_wait 10 "Right to show the green picture" viewer_shows '#00ff00'
cp "$E2E_WORK/viewer.png" "$E2E_WORK/second.png"
e2e_wait 10 "the banner to give the second picture's place and size" \
    banner_reads '(?s)2 green\.png\n.*\n2 / 3 +800 x 600'
e2e_key Left
e2e_wait 10 "Left to show the red picture again" viewer_shows '#ff0000'
e2e_key Escape
e2e_wait 15 "the main window after the viewer" e2e_main_window_active
e2e_close_kestrove
echo "PASS: $E2E_NAME"
