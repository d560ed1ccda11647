#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a fresh profile ("Autoplay on click" on), a single click on the song that is chosen but paused
# plays it again, alike in the file list and in the playlist pane. The rows are found on the
# screen by their colours: the chosen file's row is blue, the playing entry's row is yellow.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media" "$XDG_DATA_HOME/Kestrove"
e2e_wave "$media/1 first.wav" 30
e2e_wave "$media/2 song.wav" 30
printf '%s\r\n' "$media/1 first.wav" "$media/2 song.wav" >"$XDG_DATA_HOME/Kestrove/default.m3u"

e2e_paused() {
    [[ $(e2e_mpris_property PlaybackStatus) == "(<'Paused'>,)" ]]
}

# click_row COLOUR WHAT: a single click on the rightmost row-sized area of that colour on the
# screen (the folder tree's chosen folder is as blue as the file list's chosen file).
click_row() {
    local shot=$E2E_WORK/rows.png spot
    e2e_screenshot "$shot"
    spot=$(convert "$shot" -fuzz 3% -fill black +opaque "$1" -fill white -opaque "$1" \
        -define connected-components:verbose=true -define connected-components:area-threshold=200 \
        -connected-components 4 null: |
        awk '$5 == "srgb(255,255,255)" && split($2, g, /[x+]/) == 4 && g[1] >= 60 && g[2] <= 24 && g[3] > x {
                 x = g[3]; spot = int(g[3] + g[1] / 2) " " int(g[4] + g[2] / 2) }
             END { print spot }')
    [[ -n $spot ]] || e2e_fail "no row of $2 found on the screen"
    xdotool mousemove "${spot% *}" "${spot#* }" click 1
}

e2e_small_window
e2e_start_kestrove "$media"
e2e_key Down Down
e2e_wait 20 "the song chosen in the file list to play" e2e_opened "2 song.wav"
e2e_wait 20 "the player to report playing over MPRIS" e2e_playing

e2e_key ctrl+p
e2e_wait 10 "the song to be paused" e2e_paused
click_row '#308dc8' "the chosen file in the file list"
e2e_wait 10 "the paused song to play after a click on it in the file list" e2e_playing

e2e_key ctrl+p
e2e_wait 10 "the song to be paused again" e2e_paused
click_row '#ffff00' "the playing entry in the playlist pane"
e2e_wait 10 "the paused song to play after a click on it in the playlist pane" e2e_playing
e2e_opened "2 song.wav" || e2e_fail "the click in the playlist pane played another file"
e2e_close_kestrove
echo "PASS: $E2E_NAME"
