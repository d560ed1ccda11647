#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# F2 in a folder of pictures starts the automatic advance: the picture on the screen changes by
# itself. Each picture is of one pure colour found nowhere else on the screen, so a screenshot
# tells which one is shown.
source "$(dirname "$0")/lib.sh"

media=$E2E_FIXTURES/media
mkdir -p "$media"
e2e_picture "$media/1-blue.bmp" '#0000ff'
e2e_picture "$media/2-green.bmp" '#00ff00'
e2e_picture "$media/3-red.bmp" '#ff0000'

e2e_start_kestrove "$media"
e2e_key Down
e2e_wait 10 "the first picture to be shown" e2e_shown '#0000ff'
e2e_key F2
e2e_wait 10 "the automatic advance to show the second picture" e2e_shown '#00ff00'
e2e_wait 10 "the automatic advance to show the third picture" e2e_shown '#ff0000'
e2e_close_kestrove
echo "PASS: $E2E_NAME"
