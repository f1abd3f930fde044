#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translations are whole and up to date: every text of the program is in them, each one
# translated, none left over from texts that are gone.
# usage: translations.sh LUPDATE SOURCES TRANSLATIONS
set -u
lupdate=${1:?usage: translations.sh LUPDATE SOURCES TRANSLATIONS} sources=${2:?} translations=${3:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for ts in "$translations"/tambrel_*.ts; do
    name=$(basename "$ts")
    if grep -n 'type="\(unfinished\|obsolete\|vanished\)"' "$ts"; then
        echo "FAIL: $name holds unfinished or left-over texts (above)"
        failed=1
    fi
    # What lupdate would write from today's sources must be what the repository holds.
    cp "$ts" "$work/$name"
    options=(-silent -locations none -no-obsolete)
    [ "$name" = tambrel_fr.ts ] && options+=(-pluralonly)
    "$lupdate" "${options[@]}" "$sources" -ts "$work/$name" >/dev/null
    if ! diff -u "$ts" "$work/$name"; then
        echo "FAIL: $name is behind the sources: cmake --build build --target update_translations"
        failed=1
    fi
done
[ "$failed" = 0 ] && echo "translations: OK"
exit "$failed"
