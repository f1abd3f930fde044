#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line: help and version answered without a display, anything else refused with
# status 2 on the error output, with or without a display, Qt's own options still taken; in
# English on an English desktop.
# usage: commandline.sh /path/to/tambrel VERSION
set -u
program=${1:?usage: commandline.sh PROGRAM VERSION} version=${2:?} failed=0

# check STATUS STREAM LINE ARGUMENT...: the exit status, and LINE among what STREAM received.
check() {
    local status=$1 stream=$2 line=$3 text actual
    shift 3
    if [ "$stream" = stdout ]; then text=$(timeout 20 "$program" "$@" 2>/dev/null); else text=$(timeout 20 "$program" "$@" 2>&1 >/dev/null); fi
    actual=$?
    [ "$actual" = "$status" ] && grep -qxF -- "$line" <<<"$text" || { echo "FAIL: tambrel $*: status $actual, $stream: $text"; failed=1; }
}

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# Settings of the run's own: a language the player chose must not change the answers.
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
check 0 stdout "Tambrel $version" --version
check 0 stdout "  -v, --version  affiche le nom et la version du programme" -h
check 2 stderr "tambrel : option inconnue « --couleur »" -style Fusion --couleur
check 1 stderr "tambrel : aucun écran où s’afficher" -style Fusion
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
check 2 stderr "tambrel : option inconnue « --couleur »" --couleur
check 2 stderr "tambrel : argument inattendu « 17 »" 17
check 0 stdout "Tambrel $version" -reverse -style Fusion -v
# On an English desktop, with no language chosen, the answers are in English.
export LANG=en_GB.UTF-8 LC_ALL=en_GB.UTF-8
check 0 stdout "  -v, --version  shows the program’s name and version" --help
check 2 stderr "tambrel: unknown option ‘--couleur’" --couleur
[ "$failed" = 0 ] && echo "command line: OK"
exit "$failed"
