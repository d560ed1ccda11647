#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a newcomer met on a fresh profile: drawings and scans (SVG and TIFF) are listed with the
# other pictures, and the volume a player applet set comes back at the next start.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_wave "$media/1 song.wav" 4
printf '<svg xmlns="http://www.w3.org/2000/svg" width="40" height="30"><rect width="40" height="30" fill="red"/></svg>\n' \
    >"$media/2 drawing.svg"
convert -size 40x30 xc:blue "$media/3 scan.tiff"

e2e_volume() {
    e2e_mpris_property Volume | sed -n 's/^(<\([0-9.]*\)>,)$/\1/p'
}

e2e_start_kestrove "$media"
# The player is on the bus once it has had a medium.
e2e_key Down
e2e_wait 20 "the song to be opened" e2e_opened "1 song.wav"
gdbus call --session --dest org.mpris.MediaPlayer2.kestrove --object-path /org/mpris/MediaPlayer2 \
    --method org.freedesktop.DBus.Properties.Set org.mpris.MediaPlayer2.Player Volume '<0.7>' >/dev/null
e2e_wait 10 "the volume to be set" eval '[[ $(e2e_volume) == 0.7* || $(e2e_volume) == 0.69* ]]'
e2e_key Down
e2e_wait 15 "the drawing to be listed and shown" e2e_active_title_matches '/2 drawing\.svg'
e2e_key Down
e2e_wait 15 "the scan to be listed and shown" e2e_active_title_matches '/3 scan\.tiff'
e2e_close_kestrove ctrl+q
e2e_expect_equal "the stored volume" 700 "$(e2e_setting Volume)"

e2e_start_kestrove "$media/1 song.wav"
e2e_wait 20 "the song to be opened again" e2e_opened "1 song.wav"
volume=$(e2e_volume)
[[ $volume == 0.7* || $volume == 0.69* ]] || e2e_fail "the volume came back as $volume"
e2e_close_kestrove
echo "PASS: $E2E_NAME"
