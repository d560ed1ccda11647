#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The video window (player button 1) and the media player window (button 7) show the playing video
# every time they open: each is opened 6 times, the two in turns, and must show moving, coloured
# pictures.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_video "$media/film.mp4" 120

# e2e_brightness FILE: the mean brightness of a screenshot, 0 to 1.
brightness() {
    convert "$1" -colorspace Gray -format '%[fx:mean]' info:
}

# moving_pictures WINDOW ROUND: the window shows a bright picture that changes.
moving_pictures() {
    local first=$E2E_WORK/round-$2-a.png second=$E2E_WORK/round-$2-b.png changed
    import -window "$1" "$first" 2>/dev/null || return 1
    awk -v mean="$(brightness "$first")" 'BEGIN { exit !(mean > 0.15) }' || return 1
    sleep 0.5
    import -window "$1" "$second" 2>/dev/null || return 1
    changed=$(compare -metric AE -fuzz 5% "$first" "$second" null: 2>&1 || true)
    ((${changed%%.*} > 1000))
}

e2e_small_window
e2e_start_kestrove "$media"
e2e_player_buttons
e2e_key Down
e2e_wait 20 "the video to play" e2e_playing

# The two windows in turn: each open follows the other window's close, the player handed back and
# forth between them, as well as the same window's.
for ((round = 1; round <= 6; round++)); do
    for button in 1 7; do
        [[ $button == 1 ]] && title=Video || title='Media Player'
        e2e_click_player_button "$button"
        e2e_wait_for_window "$title"
        window=$(xdotool getactivewindow)
        e2e_wait 10 "moving pictures in the window \"$title\" (opened $round times)" \
            moving_pictures "$window" "$button-$round"
        e2e_key Escape
        e2e_wait 10 "the main window back after the window \"$title\"" e2e_main_window_active
    done
done
e2e_close_kestrove
echo "PASS: $E2E_NAME"
