#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader's user does: finds Play by its role and name and presses it, sets the
# volume slider, reads the information box, moves in the file list with the keys, opens the folder
# tree's menu with Shift+F10, and finds every
# control of the main window, Preferences, About, the EditList window and the media player window
# named.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_wave "$media/1 first.wav" 60
e2e_wave "$media/2 song.wav" 60

e2e_paused() {
    [[ $(e2e_mpris_property PlaybackStatus) == "(<'Paused'>,)" ]]
}

# volume_is TENTHS: the player tells MPRIS that volume, in tenths.
volume_is() {
    [[ $(e2e_mpris_property Volume) == "(<0.$1"* ]]
}

# all_named WINDOW: no control a person uses in the window is without a name.
all_named() {
    local missing
    missing=$(e2e_atspi -w "$1" unnamed) || e2e_fail "controls without a name: $missing"
}

# open_window BUTTON TITLE: presses the player's button through AT-SPI; its window comes.
open_window() {
    e2e_atspi press push\ button "$1" || e2e_fail "no button \"$1\" to press"
    e2e_wait 15 "the window \"$2\"" e2e_atspi find any "$2"
}

e2e_start_accessibility
e2e_small_window
e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 20 "the song chosen to play" e2e_playing
e2e_key ctrl+p
e2e_wait 10 "the song paused" e2e_paused

e2e_atspi press push\ button Play || e2e_fail "no button named Play while the song is paused"
e2e_wait 10 "the song playing after Play was pressed" e2e_playing
e2e_atspi set slider Volume 40 || e2e_fail "the volume slider takes no value"
e2e_wait 10 "the player's volume at the slider's" volume_is 4
[[ $(e2e_atspi text text 'File information') == *"Size :"* ]] ||
    e2e_fail "the information box reads \"$(e2e_atspi text text 'File information')\""
e2e_key Down
e2e_wait 10 "the second song chosen in the file list" \
    eval "[[ \$(e2e_atspi selected list Files) == '2 song.wav' ]]"
# Shift+Tab goes back to the folder tree, whose menu opens from the keyboard too.
e2e_key shift+Tab
shown=$(e2e_windows_shown)
e2e_key shift+F10
e2e_wait 10 "the folder tree's menu" eval '(($(e2e_windows_shown) > shown))'
e2e_key Escape
e2e_wait 10 "the menu gone" eval '(($(e2e_windows_shown) == shown))'

all_named 'Kestrove.*'
open_window Preferences 'Preferences.*'
all_named 'Preferences.*'
e2e_key Escape
e2e_wait 10 "the main window back" e2e_main_window_active
open_window 'About Kestrove' 'About Kestrove.*'
all_named 'About Kestrove.*'
e2e_key Escape
e2e_wait 10 "the main window back" e2e_main_window_active
open_window 'Play in the media player window' 'Media Player.*'
all_named 'Media Player.*'
e2e_key Escape
e2e_wait 10 "the main window back" e2e_main_window_active
open_window 'Open EditList' 'EditList.*'
all_named 'EditList.*'
e2e_atspi -w 'EditList.*' press push\ button Close || e2e_fail "the EditList window offers no Close"
e2e_close_kestrove
echo "PASS: $E2E_NAME"
