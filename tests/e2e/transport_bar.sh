#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The transport bar under the media view, clicked as a person would: pause and play, with the level
# meter lit for the song's steady tone, a jump to where the position bar is clicked, the volume
# turned down; then Ctrl+Q quits.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_wave "$media/a song.wav" 40 tone

# meter_lit: the level meter's lit green segments are on the screen. The tone stands at half the
# full scale, which lights all of the green.
meter_lit() {
    local shot=$E2E_WORK/meter.png lit
    import -window root "$shot"
    lit=$(convert "$shot" -fill black +opaque '#28c846' -fill white -opaque '#28c846' -format '%[fx:mean*w*h]' info:)
    awk -v lit="$lit" 'BEGIN { exit !(lit > 100) }'
}

# volume_below SHARE: the player's volume, as the desktop's applets see it, is under that share.
volume_below() {
    local volume
    volume=$(e2e_mpris_property Volume | sed -n 's/^(<\([0-9.e-]*\)>,)$/\1/p')
    [[ -n $volume ]] && awk -v v="$volume" -v most="$1" 'BEGIN { exit !(v < most) }'
}

e2e_small_window
e2e_start_kestrove "$media"
e2e_player_buttons
e2e_key Down
e2e_wait 20 "the song to play" e2e_playing

# From the left: play/pause 0-19, stop 21-40, then the position bar; from the right: the volume
# over the last 25 pixels, mute the 20 before them.
position_end=$((E2E_TRANSPORT_W - 48))
e2e_click_transport 10
e2e_wait 10 "the transport bar to pause the song" eval '[[ $(e2e_mpris_property PlaybackStatus) == "(<'"'Paused'"'>,)" ]]'
e2e_click_transport 10
e2e_wait 10 "the transport bar to play the song on" e2e_playing
e2e_wait 10 "the level meter to show the song's tone" meter_lit
! e2e_position_past 15000000 || e2e_fail "the song was past 15 s before the position bar was clicked"
e2e_click_transport $((42 + (position_end - 42) * 8 / 10))
e2e_wait 10 "a click on the position bar to jump into the song's last part" e2e_position_past 25000000
e2e_wait 10 "the song to play on after the jump" e2e_playing
e2e_click_transport $((E2E_TRANSPORT_W - 23))
e2e_wait 10 "the volume to be turned down" volume_below 0.2
# Ctrl+Q quits with the saving a close does.
e2e_close_kestrove ctrl+q
[[ $(e2e_setting LastFile) == "$media/a song.wav" ]] || e2e_fail "Ctrl+Q did not save the file played"
echo "PASS: $E2E_NAME"
