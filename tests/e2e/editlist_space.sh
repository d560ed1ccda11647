#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Space and Ctrl+Space put the selected file on the EditList, Shift+Space takes it off again; the
# EditList is saved when the window closes.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
for name in a b c; do
    e2e_picture "$media/$name.bmp" white
done

e2e_start_kestrove "$media"
# The parent entry is current at the start: each Down selects the next file.
e2e_key Down space
e2e_key Down ctrl+space
e2e_key Down space
e2e_key shift+space
e2e_close_kestrove

e2e_expect_equal "the saved EditList" "$media/a.bmp
$media/b.bmp" "$(e2e_editlist)"
echo "PASS: $E2E_NAME"
