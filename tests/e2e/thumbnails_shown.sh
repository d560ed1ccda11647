#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ctrl+T shows thumbnails in the file list: of pictures, of a video and of a song with a cover
# beside it. They are written to the desktop's store, named by their file's URI, with the file's
# URI and time of change inside, readable by the user alone; a file that is no picture is noted
# under the program's failures. Each picture and the video are of one pure colour, so a screenshot
# tells that their thumbnails are drawn.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_picture "$media/1-blue.png" '#0000ff'
e2e_picture "$media/2-green.png" '#00ff00'
e2e_video "$media/3-clip.mp4" 3 'color=c=0xff00ff:size=320x240'
e2e_wave "$media/4-my song.wav" 2
e2e_picture "$media/cover.jpg" '#ffff00'
printf 'not a picture' >"$media/5-broken.png"
store=$XDG_CACHE_HOME/thumbnails

# thumbnail_of PATH [FOLDER]: where the store keeps the thumbnail of the path (the fixtures' paths
# need no escaping but for the space).
thumbnail_of() {
    local uri="file://${1// /%20}"
    echo "$store/${2:-normal}/$(printf '%s' "$uri" | md5sum | cut -d' ' -f1).png"
}

e2e_start_kestrove "$media"
e2e_key ctrl+t
for name in 1-blue.png 2-green.png 3-clip.mp4 "4-my song.wav"; do
    e2e_wait 20 "the thumbnail of $name" test -s "$(thumbnail_of "$media/$name")"
done
e2e_wait 20 "the failure of 5-broken.png" test -s "$(thumbnail_of "$media/5-broken.png" fail/kestrove-0.1)"

for name in 1-blue.png "4-my song.wav"; do
    thumbnail=$(thumbnail_of "$media/$name")
    chunks=$(identify -verbose "$thumbnail")
    uri="file://${media// /%20}/${name// /%20}"
    grep -qF "Thumb::URI: $uri" <<<"$chunks" || e2e_fail "$name: its thumbnail does not name $uri"
    grep -qF "Thumb::MTime: $(stat -c %Y "$media/$name")" <<<"$chunks" ||
        e2e_fail "$name: its thumbnail does not hold the file's time of change"
    e2e_expect_equal "the mode of the thumbnail of $name" 600 "$(stat -c %a "$thumbnail")"
done
e2e_expect_equal "the mode of the store" 700 "$(stat -c %a "$store")"
e2e_expect_equal "the mode of the normal thumbnails' folder" 700 "$(stat -c %a "$store/normal")"
# The song's thumbnail is its cover.
[[ $(convert "$(thumbnail_of "$media/4-my song.wav")" -format '%[pixel:p{10,10}]' info:) == *'(255,255,0'* ]] ||
    e2e_fail "the song's thumbnail is not its cover"

e2e_wait 10 "the blue picture's thumbnail to be drawn" e2e_shown '#0000ff'
e2e_wait 10 "the green picture's thumbnail to be drawn" e2e_shown '#00ff00'
e2e_wait 10 "the video's thumbnail to be drawn" e2e_shown '#ff00ff' 12
e2e_screenshot "$E2E_WORK/thumbnails.png"
e2e_close_kestrove
e2e_expect_equal "the stored thumbnails option" 1 "$(e2e_setting Thumbnails)"
echo "PASS: $E2E_NAME"
