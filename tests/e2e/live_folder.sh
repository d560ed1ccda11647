#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Another program makes, renames and deletes songs in the folder shown and copies two thousand files
# into it at once: each change shows in the list within about a second, the chosen song stays current
# and on the EditList, and nothing else is opened. The folder removed, the list shows the one above
# and says why, without a question.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/album
burst=$E2E_FIXTURES/burst
mkdir -p "$media" "$burst" "$XDG_DATA_HOME/Kestrove"
for name in b c d e; do
    e2e_wave "$media/$name song.wav" 2
done
(cd "$burst" && seq -f 'x burst %04g.mp3' 1 2000 | xargs -d '\n' touch)
# "d song.wav" was put on the EditList before.
printf '%s\r\n' "$media/d song.wav" >"$E2E_EDITLIST"

# shown NAME: the file list shows an entry whose whole name matches NAME, a regular expression.
shown() {
    e2e_atspi find list\ item "$1"
}

# Each change shows within about a second; three leave room for busy cores.
soon() {
    e2e_wait 3 "$@"
}

# at_the_end NAME: the list, turned to its end with the mouse wheel, shows NAME; the wheel moves
# the view only, never the current entry.
at_the_end() {
    xdotool mousemove "$list_x" "$list_y" click --repeat 800 --delay 0 5
    shown "$1"
}

# row_share ROW COLOUR: the share of the row of that name, on the screen, drawn in COLOUR or near it.
row_share() {
    local x y width height
    read -r x y width height < <(e2e_atspi extents list\ item "$1") || e2e_fail "no row \"$1\""
    e2e_screenshot "$E2E_WORK/rows.png"
    convert "$E2E_WORK/rows.png" -crop "${width}x$height+$x+$y" +repage -fuzz 12% -fill black +opaque "$2" \
        -fill white -opaque "$2" -format '%[fx:mean]' info:
}

e2e_start_accessibility
e2e_start_kestrove "$media/c song.wav"
e2e_wait 20 "the chosen song to be opened" e2e_opened "c song.wav"
e2e_wait 15 "the folder's songs" shown 'e song\.wav'
e2e_key space
# A point in the list, on its second row.
read -r x y width height < <(e2e_atspi extents list\ item '\.\.') || e2e_fail "the list has no parent entry"
list_x=$((x + width / 2)) list_y=$((y + height * 3 / 2))
metadata=$(e2e_mpris_property Metadata)
status=$(e2e_mpris_property PlaybackStatus)
windows=$(e2e_windows_shown)

e2e_wave "$media/a new song.wav" 2
soon "the song made to be listed" shown 'a new song\.wav'
mv "$media/b song.wav" "$media/a renamed song.wav"
soon "the renamed song to be listed by its new name" \
    eval "shown 'a renamed song\\.wav' && ! shown 'b song\\.wav'"
rm "$media/e song.wav"
soon "the deleted song to leave the list" eval "! shown 'e song\\.wav'"
cp "$burst"/* "$media"/
soon "the files copied in to be listed" shown 'x burst 0001\.mp3'
soon "the last file copied in to be listed" at_the_end 'x burst 2000\.mp3'
xdotool click --repeat 800 --delay 0 4 mousemove 0 0
e2e_wait 10 "the list turned back to its start" shown '\.\.'

e2e_expect_equal "what the player offers after the changes" "$metadata" "$(e2e_mpris_property Metadata)"
e2e_expect_equal "the player's state after the changes" "$status" "$(e2e_mpris_property PlaybackStatus)"
e2e_active_title_matches '/album/c song\.wav' || e2e_fail "the window title no longer names the chosen song"
# The current entry is drawn in the selection's colour, an entry on the EditList in blue.
awk -v share="$(row_share 'c song\.wav' '#308cc6')" 'BEGIN { exit !(share > 0.5) }' ||
    e2e_fail "the chosen song is no longer the current entry (see rows.png)"
awk -v share="$(row_share 'd song\.wav' '#0000ff')" 'BEGIN { exit !(share > 0.01) }' ||
    e2e_fail "the song on the EditList is no longer marked in blue (see rows.png)"
# Space on the chosen song, marked as on the EditList, puts it there no second time.
e2e_key space

rm -r "$media"
soon "the list to show the folder above" eval '[[ $(e2e_atspi text text "Path:") == "$E2E_FIXTURES/" ]]'
e2e_wait 10 "the folder above's entries" eval "shown burst && ! shown 'c song\\.wav'"
e2e_atspi find label "The folder \"$media/\" is no longer there\\." ||
    e2e_fail "the path box does not say that the folder is no longer there"
e2e_main_window_active && (($(e2e_windows_shown) == windows)) ||
    e2e_fail "a window came up when the folder was removed"
e2e_close_kestrove
e2e_expect_equal "the saved EditList" "$media/d song.wav
$media/c song.wav" "$(e2e_editlist)"
echo "PASS: $E2E_NAME"
