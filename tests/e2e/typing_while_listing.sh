#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A person types the path of a folder of a hundred thousand songs and, while it is being listed,
# goes on typing in the path box: the keys are answered at once, none is lost, and the list, once
# complete, holds the folder's last file.
source "$(dirname "$0")/lib.sh"

many=$E2E_FIXTURES/many
start=$E2E_FIXTURES/start
last="$many/song 100000.mp3"
mkdir -p "$many" "$start"
# Empty songs, fifty thousand names for each of two files: names are made far faster than files, and
# a file takes no more than 65,000 names on some file systems.
/usr/bin/python3 -c '
import os, sys
for first in (1, 50001):
    song = os.path.join(sys.argv[1], "song %06d.mp3" % first)
    os.close(os.open(song, os.O_CREAT | os.O_WRONLY, 0o644))
    for number in range(first + 1, first + 50000):
        os.link(song, os.path.join(sys.argv[1], "song %06d.mp3" % number))
' "$many"

e2e_start_accessibility
e2e_start_kestrove "$start"
e2e_key ctrl+l
xdotool type --delay 5 "$many"
# Enter, then at once the path box again and the last song's path, in one quick run of keys: the
# folder's entries come while they are typed.
xdotool key --clearmodifiers Return ctrl+l type --delay 5 "$last"
e2e_wait 3 "the keys typed while the folder is listed to show in the path box" \
    eval '[[ $(e2e_atspi text text Path:) == "$last" ]]'
e2e_key Return
e2e_wait 15 "the folder's last song to be chosen" e2e_active_title_matches "/many/song 100000\\.mp3 "
e2e_expect_equal "the path box once the song is chosen" "$last" "$(e2e_atspi text text Path:)"
e2e_close_kestrove
echo "PASS: $E2E_NAME"
