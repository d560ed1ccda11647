#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Five small files copied from the EditList window into a folder that already holds the second:
# while the overwrite question about it is up, the copy window shows that second file (its counter
# and path), not the first one copied a moment before. What the copy window shows above the box is
# compared with how it looks at the questions about the first and the second file of a copy into a
# folder that holds both.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
both=$E2E_FIXTURES/both
second=$E2E_FIXTURES/second
mkdir -p "$media" "$both" "$second" "$XDG_DATA_HOME/Kestrove"
for n in 1 2 3 4 5; do
    printf 'file %s' "$n" >"$media/f$n.mp3"
done
printf 'old' | tee "$both/f1.mp3" "$both/f2.mp3" >"$second/f2.mp3"
printf '%s\r\n' "$media"/f{1,2,3,4,5}.mp3 >"$E2E_EDITLIST"

questions() {
    grep -c "asking: .* - File \".*\" allready exist!" "$E2E_WORK/kestrove.log" || true
}

# question_up COUNT: the COUNTth overwrite question of the run has been asked and its box is the
# active window.
question_up() {
    (($(questions) == $1)) && e2e_active_title_matches '^Kestrove$' || return 1
    [[ $(xdotool getactivewindow) != "${last_question:-}" ]]
}

# copy_window_top PATH: what the copy window shows above the question's box (its counter and
# the file it copies from), as a PNG picture.
copy_window_top() {
    local copy box frame cx cy cw by
    copy=$(xdotool search --all --onlyvisible --pid "$kestrove_pid" --name ' - Copying\.\.\.$' | head -n 1)
    box=$(xdotool getactivewindow)
    [[ -n $copy ]] || return 1
    eval "$(xwininfo -id "$copy" | awk -F: '/Absolute upper-left X/ { printf "cx=%d;", $2 }
        /Absolute upper-left Y/ { printf "cy=%d;", $2 } /^ *Width:/ { printf "cw=%d;", $2 }')"
    eval "$(xwininfo -id "$box" | awk -F: '/Absolute upper-left Y/ { printf "by=%d;", $2 }')"
    # The box's frame (its title bar) stands above its inside.
    frame=$(xprop -id "$box" _NET_FRAME_EXTENTS | awk -F', ' '{ print $3 }')
    # The counter, and the path the file is copied from under it.
    ((by - ${frame:-0} - cy >= 52)) || e2e_fail "the question's box covers the copy window's first lines"
    import -window root -crop "${cw}x52+$cx+$cy" +repage "$1"
}

# differing PICTURE PICTURE: how many pixels of the two pictures differ.
differing() {
    local count
    count=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    # Pictures of different sizes differ everywhere.
    [[ ${count%% *} =~ ^[0-9]+$ ]] && echo "${count%% *}" || echo 999999
}

# copy_window_shows REFERENCE: the copy window shows above the question what it showed there
# for the reference.
copy_window_shows() {
    copy_window_top "$E2E_WORK/asked.png" && (($(differing "$E2E_WORK/asked.png" "$1") == 0))
}

QT_LOGGING_RULES=kestrove.messages.debug=true e2e_start_kestrove "$media/f1.mp3"
window=$(e2e_open_editlist)

# The references: a copy into the folder holding both files asks about each in turn.
e2e_copy_all_to "$both" 5
e2e_wait 15 "the confirmation" e2e_active_title_matches '^Kestrove$'
e2e_key Return
e2e_wait 15 "the question about the first file" question_up 1
last_question=$(xdotool getactivewindow)
e2e_wait 10 "the copy window beside the question about the first file" copy_window_top "$E2E_WORK/first.png"
e2e_key n
e2e_wait 15 "the question about the second file" question_up 2
last_question=$(xdotool getactivewindow)
# Shown a while after the first was, the second file is on the window however quickly files pass.
e2e_wait 10 "the copy window to show the second file" eval \
    'copy_window_top "$E2E_WORK/second.png" && (($(differing "$E2E_WORK/first.png" "$E2E_WORK/second.png") > 0))'
e2e_key Escape
e2e_wait 15 "the EditList window after the cancel" e2e_active_title_matches '^FileList '

# The first file is copied at once, and the question about the second follows.
xdotool mousemove --window "$window" 120 120 click 1
e2e_copy_all_to "$second" 5
e2e_wait 15 "the confirmation" e2e_active_title_matches '^Kestrove$'
e2e_key Return
e2e_wait 15 "the question about the second file" question_up 3
e2e_wait 10 "the copy window to show the file asked about" copy_window_shows "$E2E_WORK/second.png"
e2e_key Escape
e2e_wait 15 "the EditList window after the cancel" e2e_active_title_matches '^FileList '
[[ $(cat "$second/f1.mp3") == "file 1" ]] || e2e_fail "the first file was not copied before the question"
echo "PASS: $E2E_NAME"
