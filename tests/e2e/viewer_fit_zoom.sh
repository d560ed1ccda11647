#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A 4000 x 3000 camera photo turned by its EXIF orientation opens in the full-screen viewer fitted
# and upright; + zooms about the pointer, 1 shows the natural size, 0 fits again. Shift+Esc keeps
# the viewer open; after Esc the main window answers a click. The photo is stored on its side, red
# left and blue right, so that upright it is red above blue; the screen tells what is shown.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
convert -size 2000x3000 xc:'#ff0000' -size 2000x3000 xc:'#0000ff' +append -quality 90 "$E2E_WORK/plain.jpg"
# An EXIF block of one entry, orientation 6: turn a quarter to the right to show it.
{
    head -c 2 "$E2E_WORK/plain.jpg"
    printf '\xff\xe1\x00\x22Exif\x00\x00II\x2a\x00\x08\x00\x00\x00\x01\x00'
    printf '\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00\x00\x00\x00\x00'
    tail -c +3 "$E2E_WORK/plain.jpg"
} >"$media/photo.jpg"

shot=$E2E_WORK/viewer.png
take_shot() {
    import -window root "$shot"
}

# colour_at X Y: the colour of a pixel of the last screenshot, as black, red, blue or other.
colour_at() {
    convert "$shot" -format "%[fx:int(p{$1,$2}.r*255)] %[fx:int(p{$1,$2}.g*255)] %[fx:int(p{$1,$2}.b*255)]" info: |
        awk '{ if ($1 < 40 && $2 < 40 && $3 < 40) print "black";
               else if ($1 > 200 && $2 < 60 && $3 < 60) print "red";
               else if ($1 < 60 && $2 < 60 && $3 > 200) print "blue";
               else print "other" }'
}

# shows "X,Y=COLOUR ...": a new screenshot has every pixel named in its colour.
shows() {
    local spot x y
    take_shot
    for spot in "$@"; do
        x=${spot%%,*} y=${spot#*,}
        y=${y%%=*}
        [[ $(colour_at "$x" "$y") == "${spot#*=}" ]] || return 1
    done
}

viewer_active() {
    [[ $(xdotool getactivewindow getwindowgeometry 2>/dev/null) == *"Geometry: 1280x960"* ]]
}

e2e_start_kestrove "$media"
e2e_key Down
e2e_key Return
e2e_wait 15 "the full-screen viewer" viewer_active
# Upright 3000 x 4000 on a 1280 x 960 screen: fitted to 720 x 960 from x = 280, red above blue.
e2e_wait 15 "the photo fitted and upright" shows 640,240=red 640,720=blue 140,700=black 1140,700=black
cp "$shot" "$E2E_WORK/fitted.png"
# A step larger about the pointer: its point stays red, the left edge moves from 280 to 250.
xdotool mousemove 400 100
e2e_key plus
e2e_wait 10 "the photo zoomed about the pointer" shows 400,100=red 260,100=red 240,100=black 640,900=blue
cp "$shot" "$E2E_WORK/zoomed.png"
e2e_key 1
e2e_wait 10 "the photo at its natural size" shows 140,100=red 140,900=blue 1140,100=red
e2e_key 0
e2e_wait 10 "the photo fitted again" shows 640,240=red 140,700=black 1140,700=black

# Shift+Esc only lets other windows cover the viewer: it still answers its keys.
e2e_key shift+Escape
e2e_key 1
e2e_wait 10 "the viewer to answer after Shift+Esc" shows 140,100=red 140,900=blue
viewer_active || e2e_fail "the viewer is not the active window after Shift+Esc"
e2e_key Escape
e2e_wait 15 "the main window after the viewer" e2e_main_window_active

# The main window answers a click: one on the preview opens the viewer again.
take_shot
box=$(convert "$shot" -fuzz 20% -fill black +opaque '#ff0000' -fill white -opaque '#ff0000' -format '%@' info:)
[[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || e2e_fail "no preview found ($box)"
xdotool mousemove $((BASH_REMATCH[3] + BASH_REMATCH[1] / 2)) $((BASH_REMATCH[4] + BASH_REMATCH[2] / 2)) click 1
e2e_wait 15 "the viewer opened by a click on the main window" viewer_active
e2e_key Escape
e2e_close_kestrove
echo "PASS: $E2E_NAME"
