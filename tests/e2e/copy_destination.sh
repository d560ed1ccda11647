#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "Copy..." in the EditList window: with nothing selected it says what to do; once a folder has
# been chosen, the folder chooser opens there the next time, so that Return alone copies there
# again.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
target=$E2E_FIXTURES/copies
mkdir -p "$media" "$target" "$XDG_DATA_HOME/Kestrove"
printf 'one' >"$media/a.mp3"
printf 'two' >"$media/b.mp3"
printf '%s\r\n' "$media/a.mp3" "$media/b.mp3" >"$E2E_EDITLIST"

# confirmations: how many times a copy into the target folder was asked to be confirmed.
confirmations() {
    grep -c "asking: .*Copy (2) files to \"$target/\" ?" "$E2E_WORK/kestrove.log" || true
}

QT_LOGGING_RULES=kestrove.messages.debug=true e2e_start_kestrove "$media/a.mp3"
window=$(e2e_open_editlist)
# Copy is the first button after the list; nothing is selected yet.
e2e_key Tab space
e2e_wait 15 "the message about the selection" e2e_active_title_matches '^Kestrove$'
grep -q 'asking: .* - Select the files to copy first\.' "$E2E_WORK/kestrove.log" ||
    e2e_fail "Copy... with nothing selected did not say what to do"
e2e_key Return
e2e_wait 15 "the EditList window again" e2e_active_title_matches '^EditList$'
# Back from the Copy button to the list.
e2e_key shift+Tab

e2e_copy_all_to "$target" 2
e2e_wait 15 "the confirmation" e2e_active_title_matches '^Kestrove$'
e2e_key Return
e2e_wait 15 "the copies" eval '[[ $(cat "$target/a.mp3" "$target/b.mp3" 2>/dev/null) == onetwo ]]'
e2e_wait 15 "the EditList window after the copy" e2e_active_title_matches '^FileList '

# The chooser opens at the folder chosen before: Return chooses it again, and the first copy there
# is asked about.
xdotool mousemove --window "$window" 120 120 click 1
e2e_key ctrl+a
e2e_wait 15 "all entries selected" e2e_active_title_matches '^FileList \(2\) files selected'
e2e_key Tab space
e2e_wait 15 "the folder chooser" e2e_active_title_matches '^Copy to'
e2e_key Return
e2e_wait 15 "the second confirmation" eval '(($(confirmations) == 2))'
e2e_wait 15 "the second confirmation's box" e2e_active_title_matches '^Kestrove$'
confirmation=$(xdotool getactivewindow)
e2e_key Return
e2e_wait 15 "the question about the file already copied" \
    grep -q "asking: .* - File \"$target/a.mp3\" allready exist!" "$E2E_WORK/kestrove.log"
# The question's box has the confirmation's title: it is told apart by being another window.
e2e_wait 15 "the question's box" eval \
    '[[ $(xdotool getactivewindow 2>/dev/null) != "$confirmation" ]] && e2e_active_title_matches "^Kestrove\$"'
e2e_key Escape
e2e_wait 15 "the EditList window after the cancel" e2e_active_title_matches '^FileList '
echo "PASS: $E2E_NAME"
