#!/usr/bin/env bash
# Starts an installed Tambrel on a private X screen from an empty folder, as a desktop menu
# does, accepts the disclaimer with Return, clicks the board's help bulb and checks that the
# desktop was asked to open the installed general help page.
#   help_from_installed.sh PROGRAM EXPECTED_PAGE
# Exits 77 (skipped) only when no X server or xdotool can be had.
set -uo pipefail
program=$1 expected=$(realpath -m "$2")

for tool in Xvfb xdotool; do
    command -v $tool >/dev/null || { echo "skipped: $tool is not installed (Debian: xvfb, xdotool)"; exit 77; }
done
[ -x "$program" ] || { echo "no program at $program"; exit 1; }

. "$(dirname "$0")/../support/private-x.sh"
work=$(mktemp -d)
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
    stop_private_x
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    echo "--- program output:"
    cat "$work/program.log" 2>/dev/null
    exit 1
}

start_private_x || { echo "skipped: Xvfb did not start"; exit 77; }

# The desktop's opener, first on the path: it records what it is asked to open.
mkdir -p "$work/bin" "$work/home" "$work/elsewhere"
cat >"$work/bin/xdg-open" <<RECORDER
#!/bin/sh
printf '%s\n' "\$*" >>"$work/opened"
RECORDER
chmod +x "$work/bin/xdg-open"

# Under AddressSanitizer, libxkbcommon-x11 (the X keyboard set-up, not this program) reads its
# keymap names with strndup from buffers without a final NUL, which only strict string checks
# report; they stay on for every offscreen test.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi

(cd "$work/elsewhere" && exec env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" \
    PATH="$work/bin:$PATH" BROWSER="$work/bin/xdg-open" QT_QPA_PLATFORM=xcb \
    "$program" >"$work/program.log" 2>&1) &
app=$!

# waitfor SECONDS COMMAND...: runs COMMAND until it succeeds.
waitfor() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# The disclaimer comes first, "VALIDER" holding the focus.
waitfor 30 xdotool search --onlyvisible --pid "$app" || fail "no window shown"
disclaimer=$(xdotool search --onlyvisible --pid "$app" | head -n1)
timeout 10 xdotool windowfocus --sync "$disclaimer" key Return || fail "the disclaimer took no focus"

# Then the board, whose help bulb sits at 336,48 (17 x 33) in its client area.
waitfor 30 xdotool search --onlyvisible --pid "$app" --name '^Tambrel$' || fail "no board after Return"
board=$(xdotool search --onlyvisible --pid "$app" --name '^Tambrel$' | head -n1)
sleep 0.5
xdotool mousemove --window "$board" 344 64 click 1

waitfor 15 test -s "$work/opened" || fail "the help bulb opened nothing"
opened=$(head -n1 "$work/opened")
want="file://$expected"
[ "$opened" = "$want" ] || fail "opened '$opened', expected '$want'"
kill -0 "$app" 2>/dev/null || fail "the program ended"
echo "help opened from the installed location: $opened"
