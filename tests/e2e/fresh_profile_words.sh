#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a person reads, or hears read, on a fresh profile: the user folders by their own names, the
# speed caption for both kinds of media, a playlist path shortened in its folder with the whole
# path in a tooltip, "System Info..." saying that nothing can show it here, and the EditList's
# pattern naming the types it collects.
source "$(dirname "$0")/lib.sh"

# The user folders as xdg-user-dirs sets them up; "Songs" is where the first start opens.
mkdir -p "$HOME/Downloads" "$HOME/Songs" "$HOME/Videos" "$XDG_DATA_HOME/Kestrove"
# shellcheck disable=SC2016 # the file holds $HOME itself
printf '%s\n' 'XDG_DOWNLOAD_DIR="$HOME/Downloads"' 'XDG_MUSIC_DIR="$HOME/Songs"' \
    'XDG_VIDEOS_DIR="$HOME/Videos"' >"$XDG_CONFIG_HOME/user-dirs.dirs"
# A playlist made before, whose path is too long for the pane, and the same song in the file list.
song="Song name kept whole.wav"
song_pattern='Song name kept whole\.wav'
deep="$E2E_FIXTURES/a folder with a rather long name/and another folder inside it"
mkdir -p "$deep"
e2e_wave "$deep/$song" 2
cp "$deep/$song" "$HOME/Songs/"
printf '%s\n' "$deep/$song" >"$XDG_DATA_HOME/Kestrove/default.m3u"
# A system where no program that shows system information is installed.
mkdir -p "$E2E_WORK/no-programs"
printf '#!/bin/bash\nPATH=%q exec %q "$@"\n' "$E2E_WORK/no-programs" "$KESTROVE" >"$E2E_WORK/kestrove"
chmod +x "$E2E_WORK/kestrove"
KESTROVE=$E2E_WORK/kestrove

# painted_whole ROW NAME: the picture of the text NAME is found in the picture ROW, both blurred a
# little, so that the text placed at another fraction of a pixel still matches.
painted_whole() {
    local score
    convert "$1" -colorspace gray -blur 0x1 "$E2E_WORK/row-blurred.png"
    convert "$2" -colorspace gray -blur 0x1 "$E2E_WORK/name-blurred.png"
    score=$(compare -metric RMSE -subimage-search -dissimilarity-threshold 1 "$E2E_WORK/row-blurred.png" \
        "$E2E_WORK/name-blurred.png" null: 2>&1 | sed -n 's/^[0-9.]* (\([0-9.e-]*\)).*/\1/p')
    awk -v score="$score" 'BEGIN { exit !(score != "" && score < 0.08) }'
}

e2e_start_accessibility
e2e_start_kestrove
e2e_atspi find label 'Movie/Mp3  speed:100%' ||
    e2e_fail "before a file is opened the speed caption reads \"$(e2e_atspi names label | grep -i speed)\""
e2e_expect_equal "the folder tree's entries" "Home
Downloads
Songs
Videos
Computer" "$(e2e_atspi names table\ cell)"

# The playlist's row shows the song's whole name, as the file list does, once its folder is cut.
e2e_screenshot "$E2E_WORK/lists.png"
read -r x y width height < <(e2e_atspi extents list\ item ".*/$song_pattern") ||
    e2e_fail "the playlist does not list the song"
convert "$E2E_WORK/lists.png" -crop "${width}x$height+$x+$y" +repage "$E2E_WORK/playlist-row.png"
read -r fx fy fwidth fheight < <(e2e_atspi extents list\ item "$song_pattern") ||
    e2e_fail "the file list does not list the song"
# The name without the icon before it, which ends 19 pixels into the row, 6 before the text.
convert "$E2E_WORK/lists.png" -crop "$((fwidth - 21))x$fheight+$((fx + 21))+$fy" +repage -fuzz 10% -trim \
    +repage "$E2E_WORK/file-name.png"
painted_whole "$E2E_WORK/playlist-row.png" "$E2E_WORK/file-name.png" ||
    e2e_fail "the playlist does not show the song's whole name (see playlist-row.png and file-name.png)"
xdotool mousemove $((x + width / 2)) $((y + height / 2))
e2e_wait 15 "the playlist row's tooltip" e2e_atspi find tool\ tip '.+'
e2e_expect_equal "the playlist row's tooltip" "$deep/$song" "$(e2e_atspi text tool\ tip '.*')"
xdotool mousemove 0 0

e2e_key F1
e2e_wait 15 "the About window" e2e_atspi find dialog 'About Kestrove.*'
e2e_atspi press push\ button 'System Info\.\.\.' || e2e_fail "the About window offers no \"System Info...\""
e2e_wait 15 "the message about the system information" \
    e2e_atspi find label 'System Information Is Unavailable At This Time'
# The message's window is active: its OK is found before the About window's.
e2e_atspi press push\ button OK
e2e_wait 15 "the message to close" eval '! e2e_atspi find label "System Information.*"'
e2e_atspi press push\ button OK
e2e_wait 15 "the main window after the About window" e2e_main_window_active

read -r x y width height < <(e2e_atspi extents push\ button 'Open EditList') || e2e_fail "no \"Open EditList\" button"
xdotool mousemove $((x + width / 2)) $((y + height / 2)) click 1
e2e_wait 15 "the EditList window" e2e_active_title_matches '^EditList$'
pattern=$(e2e_atspi -w EditList next label 'Current pattern :')
[[ "; $pattern;" == *"; *.mp3;"* && "; $pattern;" == *"; *.jpg;"* ]] ||
    e2e_fail "the EditList's pattern reads \"$pattern\" on a fresh profile"
e2e_key alt+F4
e2e_close_kestrove
echo "PASS: $E2E_NAME"
