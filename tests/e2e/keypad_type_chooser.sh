#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keypad + and keypad - on the file list open the file-type chooser, and the files of the chosen
# type go onto or off the EditList, which is saved when the window closes; keypad Enter opens the
# selected folder.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media/inner"
e2e_wave "$media/one.wav" 1
e2e_wave "$media/two.wav" 1
e2e_picture "$media/three.bmp" red
e2e_picture "$media/four.bmp" green
e2e_picture "$media/inner/five.bmp" blue

e2e_start_kestrove "$media"

# choose_type KEY TITLE PATTERN: opens the chooser with KEY and picks PATTERN by typing it.
choose_type() {
    e2e_key "$1"
    e2e_wait_for_window "$2"
    xdotool type --delay 50 "$3"
    e2e_key Return
    e2e_wait 10 "the main window to become active again" e2e_main_window_active
}

choose_type KP_Add "Add files to editlist" '*.wav'
choose_type KP_Add "Add files to editlist" '*.bmp'
choose_type KP_Subtract "Remove files to editlist" '*.wav'

# The folders come first in the list, after the parent entry.
e2e_key Home Down
e2e_key KP_Enter
e2e_close_kestrove

e2e_expect_equal "the saved EditList" "$media/four.bmp
$media/three.bmp" "$(e2e_editlist | sort)"
e2e_expect_equal "the folder saved as the last one" "$media/inner/" "$(e2e_setting LastPath)"
echo "PASS: $E2E_NAME"
