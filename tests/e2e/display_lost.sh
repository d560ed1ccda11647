#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The EditList is saved within a second of each change, so that it outlives the display: the X
# server ends (a crash, a logout that kills it) and Qt ends the program without its closing save,
# and both entries added with Space are still in the saved EditList.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
for name in a b c; do
    e2e_picture "$media/$name.bmp" white
done

e2e_editlist_holds() {
    [[ $(e2e_editlist) == "$1" ]]
}

e2e_start_kestrove "$media/a.bmp"
e2e_key space Down space
expected="$media/a.bmp
$media/b.bmp"
e2e_wait 5 "the EditList to be saved while the program runs" e2e_editlist_holds "$expected"
e2e_wait 5 "the file shown to be saved" eval '[[ $(e2e_setting LastFile) == "$media/b.bmp" ]]'

e2e_stop "$xvfb_pid"
xvfb_pid=
e2e_wait 10 "the program to end with its display" eval '! e2e_kestrove_running'
kestrove_pid=
e2e_expect_equal "the saved EditList" "$expected" "$(e2e_editlist)"
echo "PASS: $E2E_NAME"
