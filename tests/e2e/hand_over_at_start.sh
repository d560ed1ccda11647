#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A file handed over while the first copy still shows its start-up message is opened once the
# window is up; a copy started without a path while one runs shows its message and nothing else.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media" "$XDG_DATA_HOME/Kestrove"
e2e_wave "$media/first.wav" 2
e2e_wave "$media/handed.wav" 2
# An EditList that is not a file brings up a message before the window is shown.
mkfifo "$E2E_EDITLIST"

# windows_of PID: how many top-level windows of the process are shown.
windows_of() {
    local pid=$kestrove_pid count
    kestrove_pid=$1
    count=$(e2e_windows_shown)
    kestrove_pid=$pid
    echo "$count"
}

# message_of PID: the active window is a message of that process, and the only window it shows.
message_of() {
    local active
    active=$(xdotool getactivewindow 2>/dev/null) || return 1
    [[ $(xdotool getwindowpid "$active" 2>/dev/null) == "$1" ]] || return 1
    [[ $(xdotool getwindowname "$active" 2>/dev/null) == Kestrove ]] || return 1
    [[ $(windows_of "$1") == 1 ]]
}

"$KESTROVE" "$media" >"$E2E_WORK/kestrove.log" 2>&1 &
kestrove_pid=$!
e2e_wait 30 "the start-up message" message_of "$kestrove_pid"

# The copy that hands the file over ends at once, without a window.
status=0
timeout 10 "$KESTROVE" "$media/handed.wav" >"$E2E_WORK/hand-over.log" 2>&1 || status=$?
e2e_expect_equal "the hand-over's exit status" 0 "$status"
e2e_expect_equal "windows of the first copy while its message is up" 1 "$(windows_of "$kestrove_pid")"

e2e_key Return
e2e_wait 30 "the main window" e2e_activate_main_window
e2e_wait 15 "the handed file opened" e2e_active_title_matches 'media/handed\.wav'

# The first copy saves its own settings while it runs: the second reads a copy of them, which it
# must leave as it found it.
second_config=$E2E_WORK/second-config
mkdir -p "$second_config/Kestrove"
[[ ! -f $E2E_SETTINGS ]] || cp "$E2E_SETTINGS" "$second_config/Kestrove/"
settings_before=$(cat "$second_config/Kestrove/Kestrove.ini" 2>/dev/null || true)
XDG_CONFIG_HOME=$second_config "$KESTROVE" >"$E2E_WORK/second.log" 2>&1 &
second=$!
e2e_wait 30 "the second copy's message" message_of "$second"
e2e_key Return
e2e_wait 15 "the second copy to end" eval '! kill -0 "$second" 2>/dev/null'
status=0
wait "$second" || status=$?
e2e_expect_equal "the second copy's exit status" 0 "$status"
e2e_expect_equal "settings after the second copy" "$settings_before" "$(cat "$second_config/Kestrove/Kestrove.ini" 2>/dev/null || true)"

e2e_close_kestrove
[[ -p $E2E_EDITLIST ]] || e2e_fail "the EditList that is not a file was replaced"
echo "PASS: $E2E_NAME"
