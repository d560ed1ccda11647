#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The video window (player button 1) takes the size of the video it plays, every time it opens, and
# again when the video's size changes while it plays: its inside is the video's size and the menu
# bar's height. Opened five times each on a 480 x 270 MP4 and a 352 x 288 MPEG.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media/mp4" "$media/mpeg"
e2e_video "$media/mp4/film.mp4" 60 testsrc2=size=480x270
# mpeg_part PATH SECONDS SIZE FROM: an MPEG-1 system stream of a test picture of that size, its
# times starting at FROM seconds.
mpeg_part() {
    mpv --no-config --really-quiet "av://lavfi:testsrc2=size=$3:rate=25:duration=$2" --o="$1" \
        --vf="lavfi=[setpts=PTS+$4/TB]" --orawts --ovc=mpeg1video >/dev/null 2>&1 ||
        e2e_fail "could not make the video $1"
}
# Two streams one after the other: the picture grows to 480 x 272 after five seconds.
mpeg_part "$E2E_WORK/small.mpg" 5 352x288 0
mpeg_part "$E2E_WORK/large.mpg" 30 480x272 5
cat "$E2E_WORK/small.mpg" "$E2E_WORK/large.mpg" >"$media/mpeg/growing.mpg"

# inside_is WIDTH HEIGHT: the active window's inside is that wide, and that high with a menu bar.
inside_is() {
    local width height
    eval "$(xwininfo -id "$(xdotool getactivewindow)" 2>/dev/null |
        awk -F: '/^ *Width:/ { printf "width=%d;", $2 } /^ *Height:/ { printf "height=%d;", $2 }')"
    [[ ${width:-} == "$1" ]] && ((height - $2 >= 10 && height - $2 <= 60))
}

# moving_pictures: the active window shows a picture that changes.
moving_pictures() {
    local window first=$E2E_WORK/first.png second=$E2E_WORK/second.png changed
    window=$(xdotool getactivewindow)
    import -window "$window" "$first" 2>/dev/null || return 1
    sleep 0.2
    import -window "$window" "$second" 2>/dev/null || return 1
    changed=$(compare -metric AE -fuzz 5% "$first" "$second" null: 2>&1 || true)
    ((${changed%%.*} > 1000))
}

# open_video_window WIDTH HEIGHT ROUND [right]: opens the video window with button 1 (from the
# start with the right button) and waits until it has the video's size and plays the video, as a
# person would before closing it.
open_video_window() {
    e2e_click_player_button 1 "${4:-}"
    e2e_wait_for_window Video
    e2e_wait 10 "the video window to take the video's size, $1 x $2 (opened $3 times)" inside_is "$1" "$2"
    e2e_wait 10 "the video to play in the video window (opened $3 times)" moving_pictures
}

close_video_window() {
    e2e_key Escape
    e2e_wait 10 "the main window back after the video window" e2e_main_window_active
}

# start_on FOLDER NAME: starts the program on the folder and plays its one video, NAME.
start_on() {
    e2e_start_kestrove "$1"
    e2e_player_buttons
    e2e_key Down
    e2e_wait 20 "the video $2 to be opened" e2e_opened "$2"
    e2e_wait 20 "the video $2 to play" e2e_playing
}

e2e_small_window
start_on "$media/mp4" film.mp4
for ((round = 1; round <= 5; round++)); do
    open_video_window 480 270 "$round"
    close_video_window
done
e2e_close_kestrove

start_on "$media/mpeg" growing.mpg
for ((round = 1; round <= 5; round++)); do
    open_video_window 352 288 "$round" right
    ((round == 5)) || close_video_window
done
e2e_wait 20 "the video window to follow the video's new size, 480 x 272" inside_is 480 272
close_video_window
e2e_close_kestrove
echo "PASS: $E2E_NAME"
