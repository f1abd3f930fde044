#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Under a real window manager (openbox, on a private X screen) the windows' frames cover
# nothing: after the first entry no window's frame overlaps another's contents, and the
# confirmation box, the statistics and the list window open beside the board, not over it;
# the board has the keyboard back once its question is answered, whichever window had it.
# usage: frames.sh /path/to/tambrel
set -u
program=${1:?usage: frames.sh PROGRAM}
for tool in xdotool xwininfo xprop openbox; do
    command -v "$tool" >/dev/null || { echo "missing $tool (apt-get install xvfb xdotool x11-utils openbox)"; exit 1; }
done
work=$(mktemp -d) pids=()
. "$(dirname "$0")/../support/private-x.sh"
trap 'kill "${pids[@]}" 2>/dev/null; stop_private_x; wait; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
export XDG_DATA_HOME=$work/data HOME=$work QT_QPA_PLATFORM=xcb

start_private_x || fail "Xvfb did not start"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
"$program" >"$work/tambrel.log" 2>&1 &
app=$!
pids+=($app)

# Waits for a shown window of the program whose title matches; prints its id.
window_named() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --pid "$app" --name "$1" 2>/dev/null | head -n 1 | grep . && return 0
        sleep 0.1
    done
    fail "no window \"$1\""
}
# "NAME left top right bottom" of a window's contents, then of its frame as openbox draws it.
rectangles() {
    local id=$1 X Y WIDTH HEIGHT l r t b
    read -r X Y WIDTH HEIGHT < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')
    read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$id contents $X $Y $((X + WIDTH)) $((Y + HEIGHT))"
    echo "$id frame $((X - l)) $((Y - t)) $((X + WIDTH + r)) $((Y + HEIGHT + b))"
}
# Fails when a frame of one window overlaps the contents of another.
check_no_cover() {
    local all
    all=$(for id in "$@"; do rectangles "$id"; done)
    awk -v what="$*" '
        { id[NR] = $1; kind[NR] = $2; l[NR] = $3; t[NR] = $4; r[NR] = $5; b[NR] = $6 }
        END {
            for (i = 1; i <= NR; i++) for (j = 1; j <= NR; j++)
                if (kind[i] == "frame" && kind[j] == "contents" && id[i] != id[j] \
                    && l[i] < r[j] && l[j] < r[i] && t[i] < b[j] && t[j] < b[i]) {
                    printf "FAIL: the frame of %s (%d,%d-%d,%d) covers the contents of %s (%d,%d-%d,%d)\n", \
                        id[i], l[i], t[i], r[i], b[i], id[j], l[j], t[j], r[j], b[j]; bad = 1
                }
            exit bad
        }' <<<"$all" || { echo "$all"; exit 1; }
}

disclaimer=$(window_named .)
board=""
for _ in $(seq 20); do
    xdotool mousemove --window "$disclaimer" 128 448 click 1
    sleep 0.3
    board=$(xdotool search --onlyvisible --pid "$app" --name '^Tambrel$' | head -n 1) && [ -n "$board" ] && break
done
[ -n "$board" ] || fail "no board after VALIDER"
sleep 0.5
# The cell of 17 stands at 144, 16 (25 x 19) in the board.
xdotool mousemove --window "$board" 156 25 click 1
confirm=$(window_named '^Votre chiffre')
sleep 0.5
check_no_cover "$board" "$confirm"
xdotool key o # "&Oui"
trends=$(window_named '^Pair/Impair$')
for _ in $(seq 20); do [ "$(xdotool getwindowfocus)" = "$board" ] && break; sleep 0.1; done
[ "$(xdotool getwindowfocus)" = "$board" ] || fail "the board has not the keyboard back after its question"
dozens=$(window_named '^Colonne/Douzaine$')
sleep 1
check_no_cover "$board" "$dozens" $(xdotool search --onlyvisible --pid "$app" --name '^(Couleur Noir/Rouge|Pass/Manque|Pair/Impair)$')
echo "after the first entry: no frame covers another window"

# The player clicks into the dozens window, then enters a number: the keyboard is the board's.
xdotool mousemove --window "$dozens" 40 10 click 1
xdotool mousemove --window "$board" 156 25 click 1
window_named '^Votre chiffre' >/dev/null
xdotool key o # "&Oui"
for _ in $(seq 20); do [ "$(xdotool getwindowfocus)" = "$board" ] && break; sleep 0.1; done
[ "$(xdotool getwindowfocus)" = "$board" ] || fail "the board has not the keyboard back after an entry"

# Ctrl+T on the board: the statistics; Shift+F10 then the list's menu item.
xdotool mousemove --window "$board" 20 70 click 1 key ctrl+t
statistics=$(window_named '^Statistiques$')
sleep 0.5
check_no_cover "$board" "$statistics"
xdotool mousemove --window "$board" 20 70 click 1 key shift+F10 Down Down Down Return
list=$(window_named '^Saisir une liste')
sleep 0.5
check_no_cover "$board" "$list"
echo "the confirmation box, the statistics and the list window stand beside the board"
