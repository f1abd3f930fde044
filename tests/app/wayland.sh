#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a Wayland session: a headless Wayland compositor, and a private X screen
# standing for XWayland. Qt's Wayland plugin is installed, yet the program runs on X, where the
# window manager keeps it on top; QT_QPA_PLATFORM, the player's choice, still wins.
# usage: wayland.sh /path/to/tambrel
set -u
program=${1:?usage: wayland.sh PROGRAM}
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
[ -e "$plugins/platforms/libqwayland-generic.so" ] || { echo "FAIL: no Qt Wayland plugin (qt6-wayland)"; exit 1; }
work=$(mktemp -d) pids=()
. "$(dirname "$0")/../support/private-x.sh"
trap 'kill "${pids[@]}" 2>/dev/null; stop_private_x; wait; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; tail -n 20 "$work"/*.log; exit 1; }

chmod 700 "$work"
export XDG_RUNTIME_DIR=$work XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=tambrel-test
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --no-config --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
start_private_x || fail "Xvfb did not start"
for _ in $(seq 100); do [ -S "$work/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$work/$WAYLAND_DISPLAY" ] || fail "weston did not start"
unset QT_QPA_PLATFORM

# The platform plugins a running program has loaded, once it has loaded one.
platform_of() {
    for _ in $(seq 100); do
        grep -q /platforms/ "/proc/$1/maps" 2>/dev/null && break
        sleep 0.1
    done
    sed -n 's|.*/platforms/libq\([a-z-]*\)\.so$|\1|p' "/proc/$1/maps" 2>/dev/null | sort -u | xargs
}

"$program" >"$work/program.log" 2>&1 &
pids+=($!)
[ "$(platform_of $!)" = xcb ] || fail "platform: $(platform_of $!)"
for _ in $(seq 300); do xdotool search --onlyvisible --pid $! >/dev/null 2>&1 && break; sleep 0.1; done
xdotool search --onlyvisible --pid $! >/dev/null 2>&1 || fail "no window on the X screen"
echo "Wayland session: the program runs on X"

QT_QPA_PLATFORM=offscreen "$program" >"$work/program.log" 2>&1 &
pids+=($!)
[ "$(platform_of $!)" = offscreen ] || fail "QT_QPA_PLATFORM=offscreen: platform: $(platform_of $!)"
echo "QT_QPA_PLATFORM=offscreen: the program runs offscreen"
