#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Quitting while a thumbnail is being made of a video that never decodes ends the program at once,
# its settings saved, instead of waiting for the thumbnail's time limit; a termination signal does
# the same. The video is an MPEG header followed by 300 GB of nothing (a sparse file, taking no
# room), which the decoder searches for a frame far longer than the limit.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
mpv --no-config --really-quiet "av://lavfi:color=c=red:size=64x64:rate=25:duration=1" --o="$media/stuck.mpg" \
    --of=mpeg --ovc=mpeg1video >/dev/null 2>&1 || e2e_fail "could not make the video"
truncate -s 300G "$media/stuck.mpg"
e2e_picture "$media/a.bmp" white
mkdir -p "$(dirname "$E2E_SETTINGS")"
printf '[%%General]\nThumbnails=1\n' >"$E2E_SETTINGS"

# e2e_quit_quickly HOW: ends the program with ctrl+q or a termination signal, within a second.
e2e_quit_quickly() {
    local started status=0
    started=$(date +%s%N)
    if [[ $1 == signal ]]; then
        kill -TERM "$kestrove_pid"
    else
        e2e_wait 10 "the main window to become active" e2e_main_window_active
        e2e_key ctrl+q
    fi
    e2e_wait 5 "the program to end after $1" eval '! e2e_kestrove_running'
    local ended=$((($(date +%s%N) - started) / 1000000))
    wait "$kestrove_pid" || status=$?
    kestrove_pid=
    [[ $status -eq 0 ]] || e2e_fail "the program exited with status $status after $1"
    ((ended < 1000)) || e2e_fail "the program took ${ended} ms to end after $1"
}

for how in ctrl+q signal; do
    e2e_start_kestrove "$media/a.bmp"
    # The pipe is being read once a reader has opened it.
    e2e_wait 10 "the thumbnail of the pipe to be begun" eval \
        '[[ -n $(find /proc/[0-9]*/fd -lname "$media/stuck.mpg" 2>/dev/null | head -n 1) ]]'
    e2e_quit_quickly "$how"
    e2e_expect_equal "the file shown, saved" "$media/a.bmp" "$(e2e_setting LastFile)"
done
echo "PASS: $E2E_NAME"
