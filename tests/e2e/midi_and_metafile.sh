#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The media libraries the program loads only when a file needs them: choosing a metafile draws it
# (libwmf), and choosing a MIDI song plays it (FluidSynth renders it, libmpv plays the rendering):
# the position the program offers over MPRIS moves on.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_metafile "$media/1-shape.wmf"
e2e_midi "$media/2-song.mid"
e2e_midi "$media/3-song.mid"

mpris_property() {
    gdbus call --session --dest org.mpris.MediaPlayer2.kestrove --object-path /org/mpris/MediaPlayer2 \
        --method org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player "$1" 2>/dev/null
}

position() {
    mpris_property Position | sed -n 's/^(<int64 \([0-9]*\)>,)$/\1/p'
}

position_past() {
    local now
    now=$(position)
    [[ -n $now && $now -gt $1 ]]
}

playing() {
    [[ $(mpris_property PlaybackStatus) == "(<'Playing'>,)" ]]
}

# shown COLOUR: the colour covers part of the screen.
shown() {
    local shot=$E2E_WORK/screen.png share
    import -window root "$shot"
    share=$(convert "$shot" -fill black +opaque "$1" -fill white -opaque "$1" -format '%[fx:mean]' info:)
    awk -v share="$share" 'BEGIN { exit !(share > 0.002) }'
}

e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 10 "the metafile's red rectangle to be drawn" shown '#ff0000'
# The first medium chosen in a session only opens ("Autoplay at start" is off); the next one plays.
e2e_key Down
e2e_key Down
e2e_wait 30 "the MIDI song to be reported playing over MPRIS" playing
first=$(position)
e2e_wait 10 "the position to move on by half a second from ${first}us" position_past $((first + 500000))
e2e_close_kestrove
echo "PASS: $E2E_NAME"
