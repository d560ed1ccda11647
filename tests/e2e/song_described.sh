#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A tagged song with a cover of its own: the player applets on the session bus are told its title,
# artist, album and length and given its cover as a picture file; the media view shows the cover.
# The song after it has neither tags nor a cover: the applets are told its name, and its cover is
# gone from the view. At the end of a song the position stays at its length.
source "$(dirname "$0")/lib.sh"

# e2e_syncsafe NUMBER: the four bytes of an ID3 size, seven bits a byte.
e2e_syncsafe() {
    local byte
    for byte in 21 14 7 0; do
        printf '%b' "\\x$(printf %02x $((($1 >> byte) & 127)))"
    done
}

# e2e_id3_frame ID BODY-FILE
e2e_id3_frame() {
    printf '%s' "$1"
    e2e_syncsafe "$(stat -c %s "$2")"
    printf '\x00\x00'
    cat "$2"
}

# e2e_song PATH SECONDS [TITLE ARTIST ALBUM COVER]: silent MPEG audio (mono, 128 kbit/s, 44.1 kHz),
# with an ID3 tag of the title, artist and album and the PNG cover when they are given.
e2e_song() {
    local path=$1 frames=$(($2 * 44100 / 1152)) tag=$E2E_WORK/tag body=$E2E_WORK/frame
    : >"$tag"
    if [[ $# -gt 2 ]]; then
        local id text
        for id in TIT2 TPE1 TALB; do
            case $id in
            TIT2) text=$3 ;;
            TPE1) text=$4 ;;
            TALB) text=$5 ;;
            esac
            printf '\x03%s' "$text" >"$body"
            e2e_id3_frame "$id" "$body" >>"$tag"
        done
        { printf '\x03image/png\x00\x03\x00'; cat "$6"; } >"$body"
        e2e_id3_frame APIC "$body" >>"$tag"
    fi
    {
        printf 'ID3\x04\x00\x00'
        e2e_syncsafe "$(stat -c %s "$tag")"
        cat "$tag"
        for ((frame = 0; frame < frames; frame++)); do
            printf '\xff\xfb\x90\xc4'
            head -c 413 /dev/zero
        done
    } >"$path"
}

# e2e_shown_near COLOUR: the colour, give or take a little, covers part of the screen.
e2e_shown_near() {
    local shot=$E2E_WORK/screen.png share
    import -window root "$shot"
    share=$(convert "$shot" -fuzz 8% -fill black +opaque "$1" -fill white -opaque "$1" -format '%[fx:mean]' info:)
    awk -v share="$share" 'BEGIN { exit !(share > 0.002) }'
}

e2e_metadata_has() {
    [[ $(e2e_mpris_property Metadata) == *"$1"* ]]
}

e2e_at_end() {
    local metadata length
    metadata=$(e2e_mpris_property Metadata)
    length=$(sed -n "s/.*'mpris:length': <int64 \([0-9]*\)>.*/\1/p" <<<"$metadata")
    [[ -n $length && $(e2e_position) == "$length" && $(e2e_mpris_property PlaybackStatus) == "(<'Stopped'>,)" ]]
}

media=$E2E_FIXTURES/media
mkdir -p "$media"
convert -size 48x36 xc:magenta "$E2E_WORK/cover.png"
e2e_song "$media/a tagged.mp3" 3 "Night Train" "The Testers" "Loop Tracks" "$E2E_WORK/cover.png"
e2e_song "$media/b plain.mp3" 3

e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 20 "the song's title over MPRIS" e2e_metadata_has "'xesam:title': <'Night Train'>"
metadata=$(e2e_mpris_property Metadata)
for expected in "'xesam:artist': <['The Testers']>" "'xesam:album': <'Loop Tracks'>" \
    "'xesam:url': <'file://$media/a%20tagged.mp3'>"; do
    [[ $metadata == *"$expected"* ]] || e2e_fail "the metadata lacks $expected: $metadata"
done
cover=$(sed -n "s|.*'mpris:artUrl': <'file://\([^']*\)'>.*|\1|p" <<<"$metadata")
[[ $cover == "$XDG_CACHE_HOME"/Kestrove/* ]] || e2e_fail "the cover is not in the cache folder: $metadata"
e2e_expect_equal "the cover written for the applets" "JPEG 48x36" "$(identify -format '%m %wx%h' "$cover")"
e2e_wait 10 "the cover in the media view" e2e_shown_near magenta
e2e_wait 20 "the end of the song, its position at its length" e2e_at_end

e2e_key Down
e2e_wait 20 "the plain song's name over MPRIS" e2e_metadata_has "'xesam:title': <'b plain.mp3'>"
e2e_wait 10 "the cover to leave the media view" eval '! e2e_shown_near magenta'
metadata=$(e2e_mpris_property Metadata)
[[ $metadata != *artUrl* && $metadata != *xesam:artist* ]] || e2e_fail "the plain song has a cover or an artist: $metadata"
e2e_close_kestrove
echo "PASS: $E2E_NAME"
