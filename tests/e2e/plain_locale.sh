#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A session without a locale (LANG unset, as in a container or a minimal system) shows the English
# texts, not the source texts with their misspellings; KESTROVE_SOURCE_TEXTS=1 shows the source
# texts.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media" "$XDG_DATA_HOME/Kestrove"
e2e_picture "$media/a.bmp" white
printf '%s\r\n' "$media/a.bmp" >"$E2E_EDITLIST"

# selection_title PATTERN: opens the EditList, selects its one entry and waits for the window's
# title to match PATTERN; then closes the EditList and the program.
selection_title() {
    e2e_start_kestrove "$media/a.bmp"
    e2e_open_editlist >/dev/null
    e2e_key ctrl+a
    e2e_wait 15 "the title \"$1\" of the EditList window" e2e_active_title_matches "$1"
    e2e_key alt+F4
    e2e_close_kestrove
}

unset KESTROVE_SOURCE_TEXTS LC_ALL LC_MESSAGES LANG LANGUAGE
selection_title '^Selected: 1 file \('
export KESTROVE_SOURCE_TEXTS=1
selection_title '^FileList \(1\) files selected \('
echo "PASS: $E2E_NAME"
