#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A copy of 2,000 small and 20 large files from the EditList into a folder nothing can be written
# to: one message says why, no file is touched, and every entry shows as failed (red).
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
target=$E2E_FIXTURES/read-only
mkdir -p "$media" "$target" "$XDG_DATA_HOME/Kestrove"
if ! mount -t tmpfs -o ro,size=64k tmpfs "$target" 2>/dev/null; then
    echo "SKIP: $E2E_NAME: no read-only file system can be mounted here"
    exit "$E2E_SKIP"
fi
trap 'status=$?; umount "$target" 2>/dev/null; (exit $status); e2e_cleanup' EXIT
head -c $((2000 * 2048)) /dev/urandom | split -b 2048 -d -a 4 --additional-suffix=.mp3 - "$media/small"
for ((i = 0; i < 20; i++)); do
    head -c 4M /dev/zero >"$media/large$i.mp3"
done
find "$media" -type f | sort | sed 's/$/\r/' >"$E2E_EDITLIST"
before=$(cd "$media" && sha1sum -- * | sha1sum)

# red_pixels WINDOW: how many pixels of the window are the failed entries' red.
red_pixels() {
    import -window "$1" "$E2E_WORK/editlist.png"
    convert "$E2E_WORK/editlist.png" -fuzz 20% -fill black +opaque '#ff0000' -fill white -opaque '#ff0000' \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

QT_LOGGING_RULES=kestrove.messages.debug=true e2e_start_kestrove "$media/large0.mp3"
window=$(e2e_open_editlist)
legend=$(red_pixels "$window")
e2e_copy_all_to "$target" 2020
e2e_wait 15 "the message about the folder" e2e_active_title_matches '^Kestrove'
e2e_key Return
e2e_wait 15 "the EditList window again" e2e_active_title_matches '^FileList '
# The selection shows in its own colours: a click on one entry leaves the others in theirs.
xdotool mousemove --window "$window" 120 120 click 1
e2e_wait 15 "the failed entries in red" eval '(($(red_pixels "$window") > legend + 5000))'

asked=$(grep -c 'asking:' "$E2E_WORK/kestrove.log" || true)
e2e_expect_equal "questions asked" 1 "$asked"
grep -q "asking: .*Nothing can be written to .*$target.*Read-only file system" "$E2E_WORK/kestrove.log" ||
    e2e_fail "the message did not say why nothing could be copied"
e2e_expect_equal "the files left as they were" "$before" "$(cd "$media" && sha1sum -- * | sha1sum)"
e2e_expect_equal "files in the read-only folder" "" "$(ls -A "$target")"
echo "PASS: $E2E_NAME"
