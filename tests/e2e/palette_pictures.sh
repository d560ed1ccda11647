#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Large PNGs stored with a small palette (one bit a pixel, and four) keep their colours when they
# are fitted, in the preview pane and in the full-screen viewer, instead of showing as black and
# white noise. Each picture's colours are found nowhere else on the screen.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
convert -size 4000x3000 xc:'#ff0000' "$media/1 red.png"
# Two halves and a few stripes: more colours than one bit holds.
convert -size 2000x3000 xc:'#00ff00' -size 2000x3000 xc:'#0000ff' +append \
    -fill '#ffff00' -draw 'rectangle 0,0 3999,299' -fill '#ff00ff' -draw 'rectangle 0,2700 3999,2999' \
    "$media/2 halves.png"
# Bits a pixel and colour type (3, a palette) as stored.
for picture in "1 red.png:1 3" "2 halves.png:4 3"; do
    stored=$(identify -format '%[png:IHDR.bit-depth-orig] %[png:IHDR.color-type-orig]' "$media/${picture%%:*}")
    [[ $stored == "${picture#*:}" ]] || e2e_fail "the fixture ${picture%%:*} is stored as \"$stored\", not a palette"
done

viewer_active() {
    [[ $(xdotool getactivewindow getwindowgeometry 2>/dev/null) == *"Geometry: 1280x960"* ]]
}

# covers SHARE COLOUR...: each colour, or one near it, covers at least that share of the screen.
covers() {
    local shot=$E2E_WORK/screen.png least=$1 colour share
    shift
    e2e_screenshot "$shot" || return 1
    for colour in "$@"; do
        share=$(convert "$shot" -fuzz 10% -fill black +opaque "$colour" -fill white -opaque "$colour" \
            -format '%[fx:mean]' info:)
        awk -v share="$share" -v least="$least" 'BEGIN { exit !(share >= least) }' || return 1
    done
}

e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 15 "the one-bit picture in red in the preview" covers 0.01 '#ff0000'
e2e_key Return
e2e_wait 15 "the full-screen viewer" viewer_active
# 4000 x 3000 fitted to 1280 x 960 fills the screen.
e2e_wait 15 "the one-bit picture in red on the whole screen" covers 0.9 '#ff0000'
e2e_key Escape
e2e_wait 15 "the main window after the viewer" e2e_main_window_active

e2e_key Down
e2e_wait 15 "the four-bit picture in its colours in the preview" covers 0.001 '#00ff00' '#0000ff' '#ffff00' '#ff00ff'
e2e_key Return
e2e_wait 15 "the full-screen viewer" viewer_active
e2e_wait 15 "the four-bit picture in its colours on the whole screen" covers 0.05 '#00ff00' '#0000ff' '#ffff00' '#ff00ff'
e2e_key Escape
e2e_wait 15 "the main window after the viewer" e2e_main_window_active
e2e_close_kestrove
echo "PASS: $E2E_NAME"
