#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The video window (player button 1) closed with Escape before the video plays in it, twelve times
# on a playing MP4: at once as it shows, every fourth time once it has the video's size. The
# program stays up, and each time the video plays on in the main window from where it was.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_video "$media/film.mp4" 60 testsrc2=size=480x270

# inside_is WIDTH HEIGHT: the active window's inside is that wide, and that high with a menu bar.
inside_is() {
    local width height
    eval "$(xwininfo -id "$(xdotool getactivewindow)" 2>/dev/null |
        awk -F: '/^ *Width:/ { printf "width=%d;", $2 } /^ *Height:/ { printf "height=%d;", $2 }')"
    [[ ${width:-} == "$1" ]] && ((height - $2 >= 10 && height - $2 <= 60))
}

# main_window_back ROUND: the main window is active again; the program ending fails at once.
main_window_back() {
    e2e_kestrove_running || e2e_fail "the program ended as the video window closed (opened $1 times)"
    e2e_main_window_active
}

e2e_small_window
e2e_start_kestrove "$media"
e2e_player_buttons
e2e_key Down
e2e_wait 20 "the video film.mp4 to play" e2e_playing
for ((round = 1; round <= 12; round++)); do
    before=$(e2e_position)
    e2e_click_player_button 1
    e2e_wait_for_window Video
    ((round % 4)) || e2e_wait 10 "the video window to take the video's size (opened $round times)" inside_is 480 270
    e2e_key Escape
    e2e_wait 10 "the main window back after the video window (opened $round times)" main_window_back "$round"
    e2e_wait 10 "the video to play on in the main window from $((${before:-0} / 1000)) ms (closed $round times)" \
        e2e_position_past $((${before:-0} + 500000))
done
e2e_close_kestrove
echo "PASS: $E2E_NAME"
