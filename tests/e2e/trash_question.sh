#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A person who hears the deletion questions read out: each button says what it does, in German and
# in English, and Cancel keeps everything. The playing song deleted on its own goes to the Trash,
# and the player, the window title and the desktop's player applet let go of it.
source "$(dirname "$0")/lib.sh"

list=$E2E_FIXTURES/list
album=$E2E_FIXTURES/album
mkdir -p "$list" "$album" "$XDG_DATA_HOME/Kestrove"
printf 'one' >"$list/a.mp3"
printf 'two' >"$list/b.mp3"
printf '%s\r\n' "$list/a.mp3" "$list/b.mp3" >"$E2E_EDITLIST"
e2e_wave "$album/1 song.wav" 30 tone
trash=$XDG_DATA_HOME/Trash/files

# The questions are read in the catalogs' words, not in the source texts.
unset KESTROVE_SOURCE_TEXTS LC_ALL LC_MESSAGES LANGUAGE
e2e_start_accessibility

# question_buttons TITLE: the buttons of the question of that title, one a line.
question_buttons() {
    e2e_atspi -w "$1" names push\ button
}

wait_for_question() {
    e2e_wait 15 "the question \"$1\"" e2e_atspi -w "$1" find push\ button '.+'
}

# The EditList's question, in German: the files are either moved to the Trash or deleted for good.
LANG=de_DE.UTF-8 e2e_start_kestrove "$list/a.mp3"
e2e_open_editlist >/dev/null
e2e_key ctrl+a
e2e_wait 15 "both entries selected" e2e_active_title_matches '^Ausgewählt: 2 Dateien'
e2e_atspi press push\ button 'Löschen…' || e2e_fail "the EditList has no button \"Löschen…\""
wait_for_question Kestrove
e2e_expect_equal "the EditList's deletion question's buttons" \
    "In den Papierkorb verschieben
Endgültig löschen
Abbrechen" "$(question_buttons Kestrove)"
e2e_atspi -w Kestrove find label 'Die Dateien in den Papierkorb verschieben oder endgültig löschen\?' ||
    e2e_fail "the EditList's deletion question does not say what its buttons do"
e2e_atspi -w Kestrove press push\ button Abbrechen
e2e_wait 15 "the EditList window after the cancel" e2e_active_title_matches '^Ausgewählt: '
[[ $(cat "$list/a.mp3" "$list/b.mp3" 2>/dev/null) == onetwo && ! -e $trash ]] ||
    e2e_fail "Abbrechen in the EditList's deletion question did not keep the files where they were"
e2e_key alt+F4
e2e_close_kestrove
e2e_expect_equal "the EditList after the cancel" "$list/a.mp3
$list/b.mp3" "$(e2e_editlist)"

# The file list's questions, in English, while the song plays.
LANG=en_US.UTF-8 e2e_start_kestrove "$album"
e2e_key Down
e2e_wait 20 "the song to be opened" e2e_opened "1 song.wav"
e2e_wait 20 "the song to play" e2e_playing
# The folder tree comes before the file list; its current folder is the one shown.
e2e_key shift+Tab Delete
wait_for_question 'Move Folder to Trash'
e2e_atspi -w 'Move Folder to Trash' find label ".*/album.*" || e2e_fail "the question does not name the folder"
e2e_expect_equal "the folder's deletion question's buttons" "Move to Trash
Cancel" "$(question_buttons 'Move Folder to Trash')"
e2e_atspi -w 'Move Folder to Trash' press push\ button Cancel
e2e_wait 15 "the main window after the cancel" e2e_main_window_active
[[ -f "$album/1 song.wav" ]] && e2e_playing || e2e_fail "Cancel in the folder's deletion question did not keep it"

e2e_key Tab Delete
wait_for_question 'Move File to Trash'
e2e_expect_equal "the song's deletion question's buttons" "Move to Trash
Cancel" "$(question_buttons 'Move File to Trash')"
e2e_atspi -w 'Move File to Trash' find label ".*/1 song\.wav.*" || e2e_fail "the question does not name the song"
e2e_atspi -w 'Move File to Trash' press push\ button 'Move to Trash'
e2e_wait 15 "the song in the Trash" eval '[[ -f $trash/1\ song.wav && ! -e $album/1\ song.wav ]]'
e2e_wait 15 "the player to let the song go" eval '! e2e_playing'
e2e_wait 15 "the window title to stop naming the song" \
    eval 'e2e_main_window_active && ! e2e_active_title_matches "1 song\.wav"'
e2e_wait 15 "the player applet to stop naming the song" \
    eval '[[ $(e2e_mpris_property Metadata) != *"1 song.wav"* ]]'
e2e_close_kestrove
echo "PASS: $E2E_NAME"
