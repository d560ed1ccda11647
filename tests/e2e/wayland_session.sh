#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program in a Wayland session, natively: its window is the compositor's own client, named by
# the desktop file's name. A second copy started on a sound hands it to the first, which plays it
# (there is no keyboard to choose it with); a video handed over next is drawn in the media view.
# A termination signal ends the program with its settings saved. The compositor places windows
# itself, so the position an X11 session stored is kept for the next one; and nothing the program
# asks of Wayland or draws with OpenGL draws a warning.
E2E_SESSION=wayland
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_wave "$media/first.wav" 8
e2e_wave "$media/second.wav" 8
e2e_video "$media/green.mp4" 8 color=c=0x00ff00:size=320x240
mkdir -p "$(dirname "$E2E_SETTINGS")"
printf '[%%General]\nFirstUse=false\nleft=1500\ntop=1200\nwidth=11295\nheight=6780\n' >"$E2E_SETTINGS"

# e2e_hand_over FILE: a second copy started on the file hands it to the running one and ends.
e2e_hand_over() {
    timeout 10 "$KESTROVE" "$media/$1" >>"$E2E_WORK/second.log" 2>&1 ||
        e2e_fail "the second copy did not hand $1 over: $(cat "$E2E_WORK/second.log")"
    e2e_wait 20 "$1 to be opened" e2e_opened "$1"
    e2e_wait 20 "the player to report playing $1 over MPRIS" e2e_playing
    local first
    first=$(e2e_position)
    e2e_wait 10 "the position in $1 to move on by half a second from ${first}us" \
        e2e_position_past $((first + 500000))
}

e2e_start_kestrove "$media"
window=$(e2e_wayland_window "Kestrove( V[^']*)?")
[[ $window == *" of org.kestrove.Kestrove, "* ]] ||
    e2e_fail "the window is not named by the desktop file's name: $window"
e2e_hand_over first.wav
e2e_hand_over green.mp4
e2e_wait 10 "the video to be drawn" e2e_shown '#00ff00' 10
e2e_terminate_kestrove 5000

e2e_expect_equal "the file played last" "$media/green.mp4" "$(e2e_setting LastPath)"
e2e_expect_equal "the stored position" "1500 1200" "$(e2e_setting left) $(e2e_setting top)"
e2e_expect_equal "the saved size" "11295 6780" "$(e2e_setting width) $(e2e_setting height)"
# Qt's own messages name their category ("qt.qpa.wayland: ...") or the window they are about;
# libmpv's name the OpenGL error it found.
if warnings=$(grep -i -E '^qt\.|wayland|qwindow|qwidget|opengl' "$E2E_WORK/kestrove.log" "$E2E_WORK/second.log"); then
    e2e_fail "the program was warned on standard error:
$warnings"
fi
echo "PASS: $E2E_NAME (ended ${E2E_ENDED_MS} ms after the signal)"
