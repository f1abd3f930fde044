#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source and header of the program, its tests and its benchmarks opens with the
# licence's SPDX line.
# usage: spdx_headers.sh SOURCE_DIR
set -u
cd "${1:?usage: spdx_headers.sh SOURCE_DIR}" || exit 1
line='// SPDX-License-Identifier: GPL-3.0-or-later'
missing=$(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' \) -print0 |
    sort -z | while IFS= read -r -d '' file; do
        [ "$(head -n1 "$file")" = "$line" ] || echo "$file"
    done)
if [ -n "$missing" ]; then
    echo "these files do not open with '$line':"
    echo "$missing"
    exit 1
fi
echo "every source file opens with the SPDX line"
