#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's command line: its help and version answered without any display, anything
# else refused on the error output with status 2, Qt's own options still taken.
# usage: commandline.sh /path/to/tambrel VERSION
set -u
program=${1:?usage: commandline.sh PROGRAM VERSION} version=${2:?}
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0

# expect STATUS STDOUT_PATTERN STDERR_PATTERN ARGUMENT...: a grep pattern, or "" for nothing.
expect() {
    local status=$1 stdout=$2 stderr=$3 actual
    shift 3
    timeout 20 "$program" "$@" >"$out" 2>"$err"
    actual=$?
    for stream in stdout stderr; do
        local pattern=${!stream} file=$out
        [ "$stream" = stderr ] && file=$err
        if [ -z "$pattern" ] && [ -s "$file" ]; then
            echo "FAIL: tambrel $*: unexpected $stream: $(cat "$file")"; failed=1
        elif [ -n "$pattern" ] && ! grep -qx -- "$pattern" "$file"; then
            echo "FAIL: tambrel $*: $stream lacks '$pattern': $(cat "$file")"; failed=1
        fi
    done
    [ "$actual" = "$status" ] || { echo "FAIL: tambrel $*: status $actual, expected $status"; failed=1; }
}

# No display at all for the help and the version.
unset DISPLAY WAYLAND_DISPLAY
expect 0 "Tambrel $version" "" --version
expect 0 "Tambrel $version" "" -v
expect 0 "Utilisation : tambrel \[option\]" "" --help
expect 0 "  -v, --version  affiche le nom et la version du programme" "" -h

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
expect 2 "" "tambrel : option inconnue « --couleur »" --couleur
expect 2 "" "tambrel : argument inattendu « 17 »" 17
expect 2 "" "Essayez « tambrel --help » pour en savoir plus." -reverse --version=2
expect 0 "Tambrel $version" "" -reverse -style Fusion --version
[ "$failed" = 0 ] && echo "command line: OK"
exit "$failed"
