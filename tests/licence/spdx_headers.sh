#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source and header under src/, tests/ and bench/ opens with the licence's SPDX line.
# usage: spdx_headers.sh SOURCE_DIR
cd "${1:?usage: spdx_headers.sh SOURCE_DIR}" || exit 1
line='// SPDX-License-Identifier: GPL-3.0-or-later'
missing=$(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' \) |
    sort | while read -r file; do [ "$(head -n1 "$file")" = "$line" ] || echo "$file"; done)
[ -z "$missing" ] || { printf 'without "%s":\n%s\n' "$line" "$missing"; exit 1; }
echo "every source file opens with the SPDX line"
