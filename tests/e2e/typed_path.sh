#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# F6, and Ctrl+L as in other programs of the desktop, put the path box up for typing; a typed folder
# path and Enter open that folder, which is the folder saved for the next start. A path typed from "~"
# is in the home folder.
source "$(dirname "$0")/lib.sh"

start=$E2E_FIXTURES/start
target=$E2E_FIXTURES/typed-target
mkdir -p "$start" "$target/below" "$HOME/Music/albums"

e2e_start_kestrove "$start"
e2e_key F6
xdotool type --delay 20 "$target"
e2e_key Return
e2e_close_kestrove
e2e_expect_equal "the folder saved as the last one" "$target/" "$(e2e_setting LastPath)"

e2e_start_kestrove "$start"
e2e_key ctrl+l
xdotool type --delay 20 "~/Music/albums"
e2e_key Return
e2e_close_kestrove
e2e_expect_equal "the folder typed from the home folder" "$HOME/Music/albums/" "$(e2e_setting LastPath)"
echo "PASS: $E2E_NAME"
