#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A termination signal (a logout) while the data folder's disk is full: nothing waits on a person.
# The program ends at once, says on standard error why the EditList could not be saved, and the
# list that was there is kept.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
for name in a b; do
    e2e_picture "$media/$name.bmp" white
done

data=$XDG_DATA_HOME/Kestrove
mkdir -p "$data"
if ! mount -t tmpfs -o size=64k tmpfs "$data" 2>/dev/null; then
    echo "SKIP: $E2E_NAME: no file system can be mounted here"
    exit "$E2E_SKIP"
fi
trap 'status=$?; umount "$data" 2>/dev/null; (exit $status); e2e_cleanup' EXIT
printf '/old/kept.mp3\r\n' >"$E2E_EDITLIST"
head -c 100000 /dev/zero >"$data/filler" 2>/dev/null || true

e2e_start_kestrove "$media"
e2e_key Down space
e2e_key Down space
e2e_terminate_kestrove 2000
e2e_expect_equal "the EditList kept" "/old/kept.mp3" "$(e2e_editlist)"
grep -q "The EditList could not be saved.*No space left on device" "$E2E_WORK/kestrove.log" ||
    e2e_fail "the program did not say why the EditList could not be saved"
echo "PASS: $E2E_NAME (ended ${E2E_ENDED_MS} ms after the signal)"
