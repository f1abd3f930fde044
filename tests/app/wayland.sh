#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a Wayland session: a headless Wayland compositor and a private X screen
# standing for XWayland. Qt's Wayland plugin is installed, yet the program runs on X, where
# the window manager keeps it on top; a platform the player chose still wins.
# usage: wayland.sh /path/to/tambrel
set -u
program=${1:?usage: wayland.sh PROGRAM}
for tool in Xvfb xdotool weston; do
    command -v "$tool" >/dev/null || { echo "FAIL: missing $tool (apt-get install xvfb xdotool weston)"; exit 1; }
done
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
[ -e "$plugins/platforms/libqwayland-generic.so" ] || { echo "FAIL: Qt's Wayland plugin is missing (apt-get install qt6-wayland)"; exit 1; }

work=$(mktemp -d)
chmod 700 "$work"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    for log in "$work"/*.log; do echo "--- $log:"; cat "$log"; done
    exit 1
}

export XDG_RUNTIME_DIR=$work XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=tambrel-test
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --no-config --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/$WAYLAND_DISPLAY" ] && [ -s "$work/display" ] && break; sleep 0.1; done
[ -S "$work/$WAYLAND_DISPLAY" ] || fail "the Wayland compositor did not start"
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")
unset QT_QPA_PLATFORM

# The platform plugin a running program has loaded: xcb, wayland-generic, offscreen...
platform_of() {
    sed -n 's|.*/platforms/libq\([a-z-]*\)\.so$|\1|p' "/proc/$1/maps" | sort -u | tr '\n' ' '
}

# Nothing chosen: the disclaimer shows on the X screen.
"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=($app)
for _ in $(seq 300); do
    xdotool search --onlyvisible --pid "$app" >/dev/null 2>&1 && break
    kill -0 "$app" 2>/dev/null || fail "the program ended"
    sleep 0.1
done
xdotool search --onlyvisible --pid "$app" >/dev/null 2>&1 || fail "no window on the X screen; platform: $(platform_of "$app")"
[ "$(platform_of "$app")" = "xcb " ] || fail "platform loaded: $(platform_of "$app")"
echo "Wayland session: the program runs on X"
kill "$app"

# The player's choice, by variable or by Qt's own option, wins.
for choice in "QT_QPA_PLATFORM=offscreen" "-platform offscreen"; do
    case $choice in
        -*) "$program" $choice >"$work/program.log" 2>&1 & ;;
        *) env "$choice" "$program" >"$work/program.log" 2>&1 & ;;
    esac
    app=$!
    pids+=($app)
    for _ in $(seq 100); do
        [ -n "$(platform_of "$app")" ] && break
        kill -0 "$app" 2>/dev/null || fail "the program ended with $choice"
        sleep 0.1
    done
    sleep 1
    [ "$(platform_of "$app")" = "offscreen " ] || fail "$choice: platform loaded: $(platform_of "$app")"
    ! xdotool search --pid "$app" >/dev/null 2>&1 || fail "$choice: a window on the X screen"
    echo "$choice: the program runs offscreen"
    kill "$app"
done
exit 0
