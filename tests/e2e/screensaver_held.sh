#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# While a video plays the screen is kept from blanking, through the session's screensaver service
# (a fake one here, recording the calls); pausing lets it go, playing holds it again, a song does
# not hold it, and closing the program lets go of it.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_video "$media/1 film.mp4" 60
e2e_wave "$media/2 song.wav" 60
calls=$E2E_WORK/screensaver.log
: >"$calls"
/usr/bin/python3 "$(dirname "$0")/fake_screensaver.py" "$calls" &
saver_pid=$!
# The service ends with the journey, which is then cleaned up as it ended.
trap 'status=$?; e2e_stop "$saver_pid"; set +e; (exit "$status"); e2e_cleanup' EXIT
e2e_wait 10 "the fake screensaver on the bus" grep -q ready "$calls"

# holds_and_releases H R: the service was asked to hold H times and to let go R times.
holds_and_releases() {
    [[ $(grep -c '^inhibit' "$calls") == "$1" && $(grep -c '^uninhibit' "$calls") == "$2" ]]
}

e2e_paused() {
    [[ $(e2e_mpris_property PlaybackStatus) == "(<'Paused'>,)" ]]
}

e2e_small_window
e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 20 "the video to play" e2e_playing
e2e_wait 10 "the screen held while the video plays" holds_and_releases 1 0
e2e_key ctrl+p
e2e_wait 10 "the video paused" e2e_paused
e2e_wait 10 "the screen let go on pause" holds_and_releases 1 1
e2e_key ctrl+p
e2e_wait 10 "the video playing again" e2e_playing
e2e_wait 10 "the screen held again" holds_and_releases 2 1
e2e_key Down
e2e_wait 20 "the song chosen to play" e2e_opened "2 song.wav"
e2e_wait 20 "the song to play" e2e_playing
e2e_wait 10 "the screen let go for a song" holds_and_releases 2 2
e2e_key Up
e2e_wait 20 "the video to play again" e2e_opened "1 film.mp4"
e2e_wait 10 "the screen held for the video" holds_and_releases 3 2
e2e_close_kestrove
e2e_wait 10 "the screen let go at the end" holds_and_releases 3 3
grep -q '^uninhibit 3$' "$calls" || e2e_fail "the last hold was not the one let go: $(tr '\n' ' ' <"$calls")"
echo "PASS: $E2E_NAME"
