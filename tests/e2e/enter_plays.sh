#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# With "Autoplay on click" off, choosing a sound only opens it; Enter plays it and Ctrl+P pauses
# and plays it on. Enter on a picture shows it on the whole screen, and Esc brings the main window
# back.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media" "$(dirname "$E2E_SETTINGS")"
e2e_wave "$media/a song.wav" 8
convert -size 1280x960 xc:'#20c040' "$media/b picture.bmp"
# The settings file names its "General" section as Qt's INI files do.
printf '[%%General]\nAutoPlay=0\n' >"$E2E_SETTINGS"

# covers SHARE: the picture's green covers more than that share of the screen.
covers() {
    local shot=$E2E_WORK/screen.png share
    import -window root "$shot"
    share=$(convert "$shot" -fuzz 10% -fill black +opaque '#20c040' -fill white -opaque '#20c040' \
        -format '%[fx:mean]' info:)
    awk -v share="$share" -v least="$1" 'BEGIN { exit !(share > least) }'
}

e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 20 "the song to be opened" e2e_opened 'a song.wav'
! e2e_playing || e2e_fail "the song played with \"Autoplay on click\" off"
e2e_key Return
e2e_wait 20 "Enter to play the song" e2e_playing
e2e_key ctrl+p
e2e_wait 10 "Ctrl+P to pause the song" eval '[[ $(e2e_mpris_property PlaybackStatus) == "(<'"'Paused'"'>,)" ]]'
e2e_key ctrl+p
e2e_wait 10 "Ctrl+P to play the song on" e2e_playing

e2e_key Down
e2e_wait 20 "the picture in its panel" covers 0.01
! covers 0.5 || e2e_fail "the picture was shown on the whole screen before Enter"
e2e_key Return
e2e_wait 20 "the picture on the whole screen" covers 0.8
e2e_key Escape
e2e_wait 20 "the main window back" e2e_main_window_active
e2e_close_kestrove
echo "PASS: $E2E_NAME"
