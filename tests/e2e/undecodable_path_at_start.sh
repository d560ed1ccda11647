#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A file named in bytes that are not UTF-8, given on the command line, is opened itself and not
# taken for missing; handed to a running copy, it is opened the same way.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_wave "$media/a.wav" 4
e2e_wave "$media/caf"$'\xe9'".wav" 4
e2e_wave "$media/"$'\xff'"second.wav" 4

# e2e_offered ENCODED-NAME: the player offers the file whose URL ends in the percent-encoded name.
e2e_offered() {
    [[ $(e2e_mpris_property Metadata) == *"'xesam:url': <'file://"*"/$1'>"* ]]
}

e2e_start_kestrove "$media/caf"$'\xe9'".wav"
e2e_wait 20 "the file given to be opened" e2e_offered 'caf%E9.wav'
grep -q 'does not exist' "$E2E_WORK/kestrove.log" && e2e_fail "the file given was taken for missing"
timeout 10 "$KESTROVE" "$media/"$'\xff'"second.wav" >>"$E2E_WORK/second.log" 2>&1 ||
    e2e_fail "the second copy did not hand its file over: $(cat "$E2E_WORK/second.log")"
e2e_wait 20 "the file handed over to be opened" e2e_offered '%FFsecond.wav'
grep -q 'does not exist' "$E2E_WORK/second.log" && e2e_fail "the file handed over was taken for missing"
e2e_close_kestrove
echo "PASS: $E2E_NAME"
