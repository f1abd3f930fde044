#!/usr/bin/env bash
# The folders of src/ stand in layers: no folder includes one that includes it back, directly
# or through others; platform/ includes nothing of ours, roulette/ only platform/.
#   tests/app/layers.sh SRC_DIR
set -euo pipefail
src=${1:?source folder}
cd "$src"
edges=$(grep -rHo --include='*.h' --include='*.cpp' '#include "[a-z]*/' . \
    | sed -E 's|^\./([a-z]+)/.*#include "([a-z]+)/$|\1 \2|' | awk '$1 != $2' | sort -u)
status=0
while read -r from to; do
    [ -z "$from" ] && continue
    case "$from" in
    platform) echo "platform/ includes $to/"; status=1 ;;
    roulette) [ "$to" = platform ] || { echo "roulette/ includes $to/"; status=1; } ;;
    esac
done <<<"$edges"
# tsort names a loop when the includes go round in a circle.
if ! printf '%s\n' "$edges" | tsort >/dev/null 2>"${TMPDIR:-/tmp}/layers.$$"; then
    cat "${TMPDIR:-/tmp}/layers.$$"
    status=1
fi
rm -f "${TMPDIR:-/tmp}/layers.$$"
[ "$status" = 0 ] && echo "layers: $(printf '%s\n' "$edges" | wc -l) includes between folders, no circle"
exit $status
