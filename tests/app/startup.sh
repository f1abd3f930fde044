#!/usr/bin/env bash
# The real program on a private X screen: "ANNULER" on the disclaimer ends the process at once
# with no window left and exit status 0; "VALIDER" goes on to the board, which takes the
# keyboard back after its question.
# usage: startup.sh /path/to/tambrel
set -u
program=${1:?usage: startup.sh PROGRAM}
for tool in xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool (apt-get install xvfb xdotool)"; exit 1; }
done

applog=$(mktemp)
app=""
# Games and settings are kept in folders of this run's own, never the player's: a language the
# player chose must not change what the run reads.
XDG_DATA_HOME=$(mktemp -d)
XDG_CONFIG_HOME=$XDG_DATA_HOME/config
export XDG_DATA_HOME XDG_CONFIG_HOME
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    stop_private_x
    rm -f "$applog"
    rm -rf "$XDG_DATA_HOME"
}
trap cleanup EXIT

. "$(dirname "$0")/../support/private-x.sh"
start_private_x || { echo "FAIL: no private X screen"; exit 1; }
export QT_QPA_PLATFORM=xcb # the real X screen, whatever the test run asks for

# Waits until the process shows a window; prints its id.
wait_for_window() {
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1)
        [ -n "$window" ] && { echo "$window"; return 0; }
        sleep 0.1
    done
    return 1
}

# Clicks a button of the disclaimer, given by its centre in the window (pixels).
click_in() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# ANNULER stands at 280, 432 (161 x 33) in the disclaimer. A click that comes before the
# window can take it is tried again.
"$program" >"$applog" 2>&1 &
app=$!
disclaimer=$(wait_for_window "$app") || { echo "FAIL: the disclaimer never showed (display $DISPLAY)"; cat "$applog"; xdotool search --pid "$app"; exit 1; }
for _ in $(seq 10); do
    click_in "$disclaimer" 360 448
    for _ in $(seq 20); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null || break
done
if kill -0 "$app" 2>/dev/null; then
    echo "FAIL: the process is still running after ANNULER"
    exit 1
fi
wait "$app"
status=$?
app=""
[ "$status" -eq 0 ] || { echo "FAIL: ANNULER ended the process with status $status"; exit 1; }
echo "ANNULER: process ended with status 0"

# VALIDER stands at 48, 432: the board comes up, titled Tambrel.
"$program" >"$applog" 2>&1 &
app=$!
disclaimer=$(wait_for_window "$app") || { echo "FAIL: the disclaimer never showed (display $DISPLAY)"; cat "$applog"; exit 1; }
board=""
for _ in $(seq 10); do
    click_in "$disclaimer" 128 448
    for _ in $(seq 20); do
        board=$(xdotool search --onlyvisible --pid "$app" --name '^Tambrel$' 2>/dev/null | head -n 1)
        [ -n "$board" ] && break 2
        sleep 0.1
    done
done
[ -n "$board" ] || { echo "FAIL: no board after VALIDER"; exit 1; }
kill -0 "$app" 2>/dev/null || { echo "FAIL: the process ended after VALIDER"; exit 1; }
echo "VALIDER: the board is shown"

# With no window manager to give it back, the board takes the keyboard back once its question
# is answered. The cell of 17 stands at 144, 16 (25 x 19) in the board.
xdotool mousemove --window "$board" 156 25 click 1
for _ in $(seq 30); do xdotool search --onlyvisible --pid "$app" --name '^Votre chiffre' >/dev/null && break; sleep 0.1; done
xdotool key o # "&Oui"
for _ in $(seq 30); do [ "$(xdotool getwindowfocus)" = "$board" ] && break; sleep 0.1; done
[ "$(xdotool getwindowfocus)" = "$board" ] || { echo "FAIL: the board has not the keyboard back after its question"; exit 1; }
echo "the board has the keyboard back after its question"
exit 0
