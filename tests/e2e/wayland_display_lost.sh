#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# In a Wayland session the compositor ends under the program: what it was handed is in the saved
# settings, written while it ran, though Qt ends the program without its closing save.
E2E_SESSION=wayland
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_picture "$media/a.bmp" white
e2e_picture "$media/b.bmp" white

e2e_start_kestrove "$media"
timeout 10 "$KESTROVE" "$media/b.bmp" >>"$E2E_WORK/second.log" 2>&1 ||
    e2e_fail "the second copy did not hand b.bmp over: $(cat "$E2E_WORK/second.log")"
e2e_wait 5 "the file handed over to be saved while the program runs" \
    eval '[[ $(e2e_setting LastFile) == "$media/b.bmp" ]]'

e2e_stop "$weston_pid"
weston_pid=
e2e_wait 10 "the program to end with its compositor" eval '! e2e_kestrove_running'
kestrove_pid=
e2e_expect_equal "the saved file shown" "$media/b.bmp" "$(e2e_setting LastFile)"
echo "PASS: $E2E_NAME"
