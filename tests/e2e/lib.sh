# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by every journey: `source lib.sh KESTROVE`. Runs the journey on a session bus of its own,
# on an X server of its own with openbox as window manager, with a fresh profile and fixtures in a
# temporary folder. Every wait is bounded; nothing sleeps for a fixed time to let things settle.
# A journey that sets E2E_SESSION=wayland before sourcing runs on a headless Wayland compositor of
# its own (weston) instead, with no X server at all. E2E_KEEP=1 keeps the work folder (output,
# screenshots, profile) of a journey that passes too.

set -euo pipefail

# CTest reads this exit code as "skipped".
readonly E2E_SKIP=77

if [[ $# -lt 1 || ! -x $1 ]]; then
    echo "usage: $0 PATH-TO-KESTROVE" >&2
    exit 2
fi

# The whole journey runs on a private session bus, which ends with it.
if [[ -z ${KESTROVE_E2E_ON_BUS:-} ]]; then
    KESTROVE_E2E_ON_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

KESTROVE=$(realpath "$1")
E2E_NAME=$(basename "$0" .sh)
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/kestrove-e2e-$E2E_NAME.XXXXXX")
E2E_FIXTURES=$E2E_WORK/fixtures
mkdir -p "$E2E_FIXTURES"
xvfb_pid=
openbox_pid=
weston_pid=
atspi_pid=
kestrove_pid=

# e2e_stop PID: ends a process this journey started, forcibly if it has not ended in five seconds.
e2e_stop() {
    local tries
    kill "$1" 2>/dev/null || return 0
    for ((tries = 0; tries < 50; tries++)); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

e2e_cleanup() {
    local status=$?
    local pid
    for pid in "$kestrove_pid" "$atspi_pid" "$openbox_pid" "$xvfb_pid" "$weston_pid"; do
        [[ -z $pid ]] || e2e_stop "$pid"
    done
    if [[ -z ${E2E_KEEP:-} && ( $status -eq 0 || $status -eq $E2E_SKIP ) ]]; then
        rm -rf "$E2E_WORK"
    else
        echo "$E2E_NAME: the program's output, screenshots and profile are kept in $E2E_WORK" >&2
    fi
}
trap e2e_cleanup EXIT

e2e_fail() {
    echo "FAIL: $E2E_NAME: $*" >&2
    [[ -z ${DISPLAY:-}$weston_pid ]] || e2e_screenshot "$E2E_WORK/failure.png" 2>/dev/null || true
    if [[ -s $E2E_WORK/kestrove.log ]]; then
        echo "--- kestrove output (last lines) ---" >&2
        tail -n 30 "$E2E_WORK/kestrove.log" >&2
    fi
    exit 1
}

# e2e_wait SECONDS WHAT COMMAND...: runs COMMAND every 0.1 s until it succeeds, failing the journey
# with WHAT once SECONDS have passed.
e2e_wait() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || e2e_fail "timed out after ${seconds}s waiting for $what"
        sleep 0.1
    done
}

# A profile of its own: settings, data, cache, runtime folder and home all under the work folder.
export HOME=$E2E_WORK/home
export XDG_CONFIG_HOME=$E2E_WORK/config
export XDG_DATA_HOME=$E2E_WORK/data
export XDG_CACHE_HOME=$E2E_WORK/cache
export XDG_RUNTIME_DIR=$E2E_WORK/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LC_ALL=C.UTF-8
# The journeys find windows by the program's source texts ("EditList", "Copy to : ").
export KESTROVE_SOURCE_TEXTS=1
# In a sanitizer build the player's video view leaves LeakSanitizer an indirect leak in Mesa's
# software OpenGL driver, which is unloaded before the report and so cannot be suppressed by name:
# leaks are left to the unit tests, every other check stays on.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY
E2E_SETTINGS=$XDG_CONFIG_HOME/Kestrove/Kestrove.ini
E2E_EDITLIST=$XDG_DATA_HOME/Kestrove/files.ini

if [[ ${E2E_SESSION:-x11} == wayland ]]; then
    E2E_SERVER=weston
else
    E2E_SERVER=Xvfb
fi

e2e_skip() {
    echo "SKIP: $E2E_NAME: $E2E_SERVER cannot start here: $*"
    exit "$E2E_SKIP"
}

# An X server on the first free display: Xvfb writes the display number once it accepts clients.
e2e_start_display() {
    command -v Xvfb >/dev/null || e2e_skip "Xvfb is not installed"
    local numberFile=$E2E_WORK/display
    : >"$numberFile"
    Xvfb -displayfd 3 -screen 0 1280x960x24 -nolisten tcp 3>"$numberFile" 2>"$E2E_WORK/xvfb.log" &
    xvfb_pid=$!
    local deadline=$((SECONDS + 15))
    until [[ $(cat "$numberFile") == *[0-9]* ]] 2>/dev/null; do
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            xvfb_pid=
            e2e_skip "$(tail -n 1 "$E2E_WORK/xvfb.log")"
        fi
        ((SECONDS < deadline)) || e2e_skip "no display reported within 15s"
        sleep 0.1
    done
    DISPLAY=:$(head -n 1 "$numberFile")
    export DISPLAY
}

e2e_window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Window keys act only in the active window, and only a window manager makes a window active.
e2e_start_window_manager() {
    openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    openbox_pid=$!
    local deadline=$((SECONDS + 15))
    until e2e_window_manager_running; do
        kill -0 "$openbox_pid" 2>/dev/null && ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# The display and its window manager. Journeys run side by side: a server that ends just as this
# one starts on the display number it used may remove the new server's socket, and openbox then
# cannot reach it. Both are started again, on whichever number is free then.
e2e_start_desktop() {
    local attempt
    for ((attempt = 0; attempt < 3; attempt++)); do
        e2e_start_display
        e2e_start_window_manager && return 0
        echo "$E2E_NAME: openbox could not manage display $DISPLAY; starting it again" >&2
        e2e_stop "$openbox_pid"
        e2e_stop "$xvfb_pid"
        openbox_pid=
        xvfb_pid=
    done
    e2e_fail "openbox could not manage the screen: $(tail -n 1 "$E2E_WORK/openbox.log")"
}

# The program's main window is the active window. Qt makes the window anew when the video view
# first joins it, so the window is recognised by its owner, title and type rather than its id.
e2e_main_window_active() {
    local active
    active=$(xdotool getactivewindow 2>/dev/null) || return 1
    [[ $(xdotool getwindowpid "$active" 2>/dev/null) == "$kestrove_pid" ]] || return 1
    [[ $(xdotool getwindowname "$active" 2>/dev/null) =~ ^Kestrove( V|$) ]] || return 1
    xprop -id "$active" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_NET_WM_WINDOW_TYPE_NORMAL'
}

e2e_activate_main_window() {
    local window
    e2e_kestrove_running || e2e_fail "the program ended before its window was shown"
    for window in $(xdotool search --all --onlyvisible --pid "$kestrove_pid" --name '^Kestrove( V|$)' \
        2>/dev/null); do
        xdotool windowactivate "$window" 2>/dev/null || true
    done
    e2e_main_window_active
}

# A Wayland compositor without a screen, its socket in the journey's runtime folder. Its pixman
# renderer composes what the clients draw, which the debugging protocol lets a journey read: the
# scene graph and screenshots. Clients draw with OpenGL through Mesa's software renderer, which
# hands its frames over in shared memory.
e2e_start_compositor() {
    command -v weston >/dev/null || e2e_skip "weston is not installed"
    WAYLAND_DISPLAY=kestrove-e2e
    weston --backend=headless-backend.so --use-pixman --width=1280 --height=960 --debug --no-config \
        --idle-time=0 --socket="$WAYLAND_DISPLAY" --log="$E2E_WORK/weston.log" >"$E2E_WORK/weston.out" 2>&1 &
    weston_pid=$!
    local deadline=$((SECONDS + 15))
    until [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]]; do
        if ! kill -0 "$weston_pid" 2>/dev/null; then
            weston_pid=
            e2e_skip "$(cat "$E2E_WORK/weston.log" "$E2E_WORK/weston.out" 2>/dev/null | grep . | tail -n 1)"
        fi
        ((SECONDS < deadline)) || e2e_skip "no socket made within 15s"
        sleep 0.1
    done
    export WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland
}

# e2e_wayland_window TITLE: a top-level window of the program whose whole title matches the
# extended regular expression is shown on the compositor; prints the scene graph's line for it,
# which names the application id too.
e2e_wayland_window() {
    weston-debug scene-graph 2>/dev/null |
        grep -E "role xdg_toplevel, PID $kestrove_pid, .*top-level window '$1'" || return 1
}

# e2e_wayland_screenshot PATH: what the compositor shows, as a PNG picture.
e2e_wayland_screenshot() {
    local shots=$E2E_WORK/screenshots
    mkdir -p "$shots"
    rm -f "$shots"/*.png
    (cd "$shots" && weston-screenshooter >/dev/null 2>&1) || return 1
    mv "$shots"/*.png "$1"
}

e2e_main_window_up() {
    e2e_kestrove_running || e2e_fail "the program ended before its window was shown"
    if [[ -n $weston_pid ]]; then
        e2e_wayland_window "Kestrove( V[^']*)?" >/dev/null
    else
        e2e_activate_main_window
    fi
}

# e2e_start_kestrove [ARGUMENT...]: starts the program and waits until its window is active; on
# Wayland, where the compositor decides which window is active, until it is shown.
e2e_start_kestrove() {
    "$KESTROVE" "$@" >"$E2E_WORK/kestrove.log" 2>&1 &
    kestrove_pid=$!
    e2e_wait 30 "the main window to be shown" e2e_main_window_up
    [[ -z $atspi_pid ]] ||
        e2e_wait 30 "the program's windows on the accessibility bus" \
            eval "e2e_atspi find frame 'Kestrove( V.*)?' 2>/dev/null"
}

e2e_accessibility_bus_up() {
    [[ $(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner org.a11y.Bus 2>/dev/null) == '(true,)' ]]
}

# e2e_start_accessibility: the accessibility bus on the journey's session bus, as a desktop with a
# screen reader has it; the program started after it offers its windows there, which e2e_atspi
# reads and presses. Call it before e2e_start_kestrove.
e2e_start_accessibility() {
    local launcher
    for launcher in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
        [[ ! -x $launcher ]] || break
    done
    [[ -x $launcher ]] || e2e_fail "at-spi-bus-launcher (at-spi2-core) is not installed"
    "$launcher" --launch-immediately >"$E2E_WORK/atspi.log" 2>&1 &
    atspi_pid=$!
    e2e_wait 15 "the accessibility bus" e2e_accessibility_bus_up
    # Qt offers its windows only while the desktop says a screen reader runs, unless told to.
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# e2e_atspi COMMAND [ARGUMENT...]: reads or presses the program's controls as a screen reader does
# (atspi.py tells the commands); its exit status is atspi.py's.
e2e_atspi() {
    PYTHONUTF8=1 timeout 30 /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"
}

e2e_active_window_is() {
    [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]
}

e2e_window_named() {
    local found
    found=$(xdotool search --all --onlyvisible --pid "$kestrove_pid" --name "^$1\$" 2>/dev/null | head -n 1)
    [[ -n $found ]] && e2e_active_window_is "$found"
}

# e2e_wait_for_window TITLE: waits until a window of the program with that title is active.
e2e_wait_for_window() {
    e2e_wait 15 "the window \"$1\"" e2e_window_named "$1"
}

# Real key events through the X server, to whichever window is active.
e2e_key() {
    xdotool key --clearmodifiers "$@"
}

e2e_kestrove_running() {
    kill -0 "$kestrove_pid" 2>/dev/null
}

# e2e_close_kestrove [KEY]: closes the main window through the window manager (or with the key
# given), as a user would, and waits for the program to save and exit; a non-zero exit fails the
# journey.
e2e_close_kestrove() {
    local key=${1:-alt+F4}
    e2e_wait 10 "the main window to become active" e2e_main_window_active
    e2e_key "$key"
    e2e_wait 30 "the program to exit after $key" eval '! e2e_kestrove_running'
    local status=0
    wait "$kestrove_pid" || status=$?
    kestrove_pid=
    [[ $status -eq 0 ]] || e2e_fail "the program exited with status $status"
}

e2e_active_title_matches() {
    [[ $(xdotool getactivewindow getwindowname 2>/dev/null) =~ $1 ]]
}

# e2e_windows_shown: how many windows of the program are shown, not counting windows inside them
# (a video is drawn in a window of its own inside the main window).
e2e_windows_shown() {
    local all window parent count=0
    all=$(xdotool search --all --onlyvisible --pid "$kestrove_pid" --class . 2>/dev/null || true)
    for window in $all; do
        parent=$(xwininfo -children -id "$window" 2>/dev/null | awk '/Parent window id/ { print $4 }')
        [[ -n $parent ]] && grep -qx "$((parent))" <<<"$all" || count=$((count + 1))
    done
    echo "$count"
}

# e2e_open_editlist: opens the EditList window from the file list's menu, taken with the menu key
# on the current file, and prints the window's id. The program must have been started on a file,
# so that a file is current and nothing plays.
e2e_open_editlist() {
    local shown
    shown=$(e2e_windows_shown)
    e2e_key Menu
    e2e_wait 10 "the file list's menu" eval '(($(e2e_windows_shown) > shown))'
    # "Open EditList" is the fourth entry from the end.
    e2e_key Up Up Up Up Return
    e2e_wait 15 "the EditList window" e2e_active_title_matches '^EditList$'
    xdotool getactivewindow
}

# e2e_copy_all_to FOLDER COUNT: in the EditList window, selects all COUNT entries and copies them
# into FOLDER, typed into the folder chooser.
e2e_copy_all_to() {
    e2e_key ctrl+a
    e2e_wait 15 "all entries selected" e2e_active_title_matches "^FileList \\($2\\) files selected"
    # Copy is the first button after the list.
    e2e_key Tab space
    e2e_wait 15 "the folder chooser" e2e_active_title_matches '^Copy to'
    xdotool type --delay 5 "$1"
    e2e_key Return
}

# e2e_terminate_kestrove MILLISECONDS: sends the program a termination signal, as a logout does,
# and fails the journey unless it ends cleanly within that time; E2E_ENDED_MS is how long it took.
e2e_terminate_kestrove() {
    local started status=0
    started=$(date +%s%N)
    kill -TERM "$kestrove_pid"
    e2e_wait 5 "the program to end on the termination signal" eval '! e2e_kestrove_running'
    E2E_ENDED_MS=$((($(date +%s%N) - started) / 1000000))
    wait "$kestrove_pid" || status=$?
    kestrove_pid=
    [[ $status -eq 0 ]] || e2e_fail "the program exited with status $status"
    ((E2E_ENDED_MS < $1)) || e2e_fail "the program took ${E2E_ENDED_MS} ms to end"
}

# e2e_editlist: the paths the saved EditList holds, one a line.
e2e_editlist() {
    [[ -f $E2E_EDITLIST ]] && tr -d '\r' <"$E2E_EDITLIST"
    return 0
}

# e2e_small_window: the profile keeps the main window at 753 x 452 pixels, the size the player
# pane's positions in the journeys are measured in (a fresh profile takes a share of the screen).
e2e_small_window() {
    mkdir -p "$(dirname "$E2E_SETTINGS")"
    printf '[%%General]\nwidth=11295\nheight=6780\n' >>"$E2E_SETTINGS"
}

# e2e_setting KEY: a value of the saved settings.
e2e_setting() {
    sed -n "s/^$1=//p" "$E2E_SETTINGS" | tr -d '\r'
}

# e2e_expect_equal WHAT EXPECTED ACTUAL
e2e_expect_equal() {
    [[ $2 == "$3" ]] || e2e_fail "$1: expected
$2
but found
$3"
}

# e2e_le32 NUMBER: the four bytes of a little-endian 32-bit number.
e2e_le32() {
    local byte
    for byte in 0 8 16 24; do
        printf '%b' "\\x$(printf %02x $((($1 >> byte) & 255)))"
    done
}

# e2e_wave PATH SECONDS [tone]: a mono 8 kHz 8-bit PCM WAVE file of silence, or of a steady tone at
# half the full scale (a 4 kHz square wave).
e2e_wave() {
    local bytes=$(($2 * 8000))
    {
        printf 'RIFF'
        e2e_le32 $((36 + bytes))
        printf 'WAVEfmt '
        e2e_le32 16
        printf '\x01\x00\x01\x00' # PCM, one channel
        e2e_le32 8000             # sample frames a second
        e2e_le32 8000             # bytes a second
        printf '\x01\x00\x08\x00' # one byte a frame, eight bits a sample
        printf 'data'
        e2e_le32 "$bytes"
        if [[ ${3:-} == tone ]]; then
            perl -e 'print "\x40\xc0" x ($ARGV[0] / 2)' "$bytes"
        else
            head -c "$bytes" /dev/zero | tr '\0' '\200'
        fi
    } >"$1"
}

e2e_le16() {
    printf '%b' "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))"
}

# e2e_midi PATH: a General MIDI song of sixteen quarter notes, four seconds long.
e2e_midi() {
    {
        printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xe0MTrk\x00\x00\x00\x94'
        for _ in 1 2 3 4; do
            for note in '\x3c' '\x40' '\x43' '\x48'; do
                printf "\\x00\\x90${note}\\x64\\x81\\x70\\x80${note}\\x00"
            done
        done
        printf '\x00\xff\x2f\x00'
    } >"$1"
}

# e2e_metafile PATH: a placeable Windows metafile, 1000 by 500 units, of one red rectangle.
e2e_metafile() {
    {
        # The placeable header, its checksum the exclusive or of its ten words.
        e2e_le32 $((0x9ac6cdd7))
        e2e_le16 0; e2e_le16 0; e2e_le16 0; e2e_le16 1000; e2e_le16 500; e2e_le16 1000; e2e_le32 0
        e2e_le16 $((0xcdd7 ^ 0x9ac6 ^ 1000 ^ 500 ^ 1000))
        # The metafile header: 9 words, then records of 31 words in all.
        e2e_le16 1; e2e_le16 9; e2e_le16 $((0x0300)); e2e_le32 40; e2e_le16 1; e2e_le32 7; e2e_le16 0
        e2e_le32 5; e2e_le16 $((0x020b)); e2e_le16 0; e2e_le16 0         # window origin
        e2e_le32 5; e2e_le16 $((0x020c)); e2e_le16 500; e2e_le16 1000    # window extent
        e2e_le32 7; e2e_le16 $((0x02fc)); e2e_le16 0; e2e_le32 255; e2e_le16 0 # a solid red brush
        e2e_le32 4; e2e_le16 $((0x012d)); e2e_le16 0                     # chosen
        e2e_le32 7; e2e_le16 $((0x041b)); e2e_le16 400; e2e_le16 900; e2e_le16 100; e2e_le16 100
        e2e_le32 3; e2e_le16 0                                           # the end
    } >"$1"
}

# e2e_picture PATH COLOUR: a plain picture of one colour.
e2e_picture() {
    convert -size 160x120 "xc:$2" "$1"
}

# e2e_mpris_property NAME: a property of the program's MPRIS player, as gdbus prints it.
e2e_mpris_property() {
    gdbus call --session --dest org.mpris.MediaPlayer2.kestrove --object-path /org/mpris/MediaPlayer2 \
        --method org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player "$1" 2>/dev/null
}

# The player's position in microseconds, empty while the player is not on the bus.
e2e_position() {
    e2e_mpris_property Position | sed -n 's/^(<int64 \([0-9]*\)>,)$/\1/p'
}

# e2e_position_past MICROSECONDS: the position is beyond it.
e2e_position_past() {
    local now
    now=$(e2e_position)
    [[ -n $now && $now -gt $1 ]]
}

# e2e_opened NAME: the player offers that file over MPRIS.
e2e_opened() {
    [[ $(e2e_mpris_property Metadata) == *"'xesam:title': <'$1'>"* ]]
}

e2e_playing() {
    [[ $(e2e_mpris_property PlaybackStatus) == "(<'Playing'>,)" ]]
}

# e2e_screenshot PATH: what the screen shows, as a PNG picture.
e2e_screenshot() {
    if [[ -n $weston_pid ]]; then
        e2e_wayland_screenshot "$1"
    else
        import -window root "$1"
    fi
}

# e2e_shown COLOUR [FUZZ]: the colour, or one within FUZZ percent of it, covers part of the screen.
e2e_shown() {
    local shot=$E2E_WORK/screen.png share
    e2e_screenshot "$shot" || return 1
    share=$(convert "$shot" -fuzz "${2:-0}%" -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%[fx:mean]' info:)
    awk -v share="$share" 'BEGIN { exit !(share > 0.002) }'
}

if [[ $E2E_SERVER == weston ]]; then
    e2e_start_compositor
else
    e2e_start_desktop
fi

# e2e_video PATH SECONDS [SOURCE]: a video without sound, H.264 in MP4, of a lavfi source: by
# default a 640 × 360 test picture of moving colours.
e2e_video() {
    mpv --no-config --really-quiet "av://lavfi:${3:-testsrc2=size=640x360}:rate=25:duration=$2" --o="$1" \
        --ovc=libx264 --ovcopts=preset=ultrafast >/dev/null 2>&1 || e2e_fail "could not make the video $1"
}

# e2e_media_view_in WINDOW SHOT: a picture of the window, in SHOT, shows the media view, black
# before anything plays, narrower than half the window (a window not painted yet is black all
# over); BASH_REMATCH then holds its width, height, x and y, 4 pixels in from each side.
e2e_media_view_in() {
    local box
    import -window "$1" "$2" 2>/dev/null || return 1
    # Black areas wider than text strokes: the media view.
    box=$(convert "$2" -fill '#010101' +opaque '#000000' -fill white -opaque '#000000' \
        -fill black -opaque '#010101' -morphology Erode Square:4 -format '%@' info: 2>/dev/null)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] &&
        ((BASH_REMATCH[1] > 40 && BASH_REMATCH[2] > 40 && BASH_REMATCH[1] * 2 < $(identify -format '%w' "$2")))
}

# e2e_player_buttons: finds the player buttons in the active main window, from the media view,
# which is black before anything plays, and the white information box that follows the buttons;
# sets E2E_BUTTON_X and E2E_BUTTON_Y, the first button's centre on the screen, E2E_BUTTON_PITCH,
# and E2E_TRANSPORT_X and E2E_TRANSPORT_Y, the left end of the transport bar's first row, and
# E2E_TRANSPORT_W, its width.
e2e_player_buttons() {
    local shot=$E2E_WORK/buttons.png window view_w view_h view_x view_y height y left top
    window=$(xdotool getactivewindow)
    # A window just shown may not have painted yet (a slow build): all black, it has no view.
    e2e_wait 15 "the window to be painted with its media view" e2e_media_view_in "$window" "$shot"
    height=$(identify -format '%h' "$shot")
    view_w=${BASH_REMATCH[1]} view_h=${BASH_REMATCH[2]} view_x=${BASH_REMATCH[3]} view_y=${BASH_REMATCH[4]}
    # The erosion took 4 pixels off each side.
    view_x=$((view_x - 4)) view_y=$((view_y - 4)) view_h=$((view_h + 8))
    y=$(convert "$shot" -crop "1x$((height - view_y - view_h))+$((view_x + 3))+$((view_y + view_h))" +repage \
        txt:- | awk -F'[,:]' '/#FFFFFF/ && !found { print $2; found = 1 }')
    [[ -n $y ]] || e2e_fail "no information box found under the media view"
    # Where the window's inside is on the screen.
    eval "$(xwininfo -id "$window" | awk -F: '/Absolute upper-left X/ { printf "left=%d;", $2 }
        /Absolute upper-left Y/ { printf "top=%d;", $2 }')"
    E2E_BUTTON_Y=$((top + view_y + view_h + y - 10))
    # The buttons stand at their natural width, 20 pixels, one apart: the pane is never narrower.
    E2E_BUTTON_X=$((left + view_x + 10))
    E2E_BUTTON_PITCH=21
    # The transport bar's first row, right under the media view.
    E2E_TRANSPORT_Y=$((top + view_y + view_h + 12))
    E2E_TRANSPORT_X=$((left + view_x))
    E2E_TRANSPORT_W=$view_w
}

# e2e_click_transport X: a click on the transport bar's first row, X pixels from its left.
e2e_click_transport() {
    xdotool mousemove $((E2E_TRANSPORT_X + $1)) "$E2E_TRANSPORT_Y" click 1
}

# e2e_click_player_button N [right]: a click on the player button N (0 the first).
e2e_click_player_button() {
    local button=1
    [[ ${2:-} != right ]] || button=3
    xdotool mousemove $((E2E_BUTTON_X + $1 * E2E_BUTTON_PITCH)) "$E2E_BUTTON_Y" click "$button"
}
