#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A termination signal (a logout) while a copy from the EditList runs: the job stops at its next
# chunk without asking anything and the program ends at once. Every source stays, and the
# destination holds only whole copies: no part of a file, no temporary file.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
target=$E2E_FIXTURES/copies
mkdir -p "$media" "$target" "$XDG_DATA_HOME/Kestrove"
for ((i = 10; i < 26; i++)); do
    truncate -s 64M "$media/take$i.mp3"
    printf 'take %d' "$i" | dd of="$media/take$i.mp3" conv=notrunc status=none
done
find "$media" -type f | sort | sed 's/$/\r/' >"$E2E_EDITLIST"

QT_LOGGING_RULES=kestrove.messages.debug=true e2e_start_kestrove "$media/take10.mp3"
e2e_open_editlist >/dev/null
e2e_copy_all_to "$target" 16
e2e_wait 15 "the question whether to copy" e2e_active_title_matches '^Kestrove$'
e2e_key Return
e2e_wait 15 "the copy's window" e2e_active_title_matches ' - Copying\.\.\.$'
e2e_terminate_kestrove 2000

e2e_expect_equal "the sources" 16 "$(find "$media" -type f -size 64M | wc -l)"
for copy in "$target"/* "$target"/.[!.]*; do
    [[ -e $copy ]] || continue
    cmp -s "$copy" "$media/$(basename "$copy")" || e2e_fail "$(basename "$copy") is not a whole copy"
done
copied=$(find "$target" -mindepth 1 | wc -l)
((copied < 16)) || e2e_fail "the copy ended before the signal came; no stop was tried"
asked=$(grep -c 'asking:' "$E2E_WORK/kestrove.log" || true)
e2e_expect_equal "questions asked" 1 "$asked"
echo "PASS: $E2E_NAME (ended ${E2E_ENDED_MS} ms after the signal, $copied of 16 copied)"
