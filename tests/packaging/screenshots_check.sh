#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The screenshots that the metainfo names are made from the program: every image it names, at
# the size it declares, and none that it does not name.
set -euo pipefail
tool="$1"
metainfo="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$tool" "$out"
failures=0
named=0
while read -r width height name; do
    named=$((named + 1))
    file="$out/$name"
    if [ ! -f "$file" ]; then
        echo "FAILED: $name is not made"
        failures=$((failures + 1))
        continue
    fi
    size="$(od -An -tu1 -j16 -N8 "$file" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')"
    if [ "$size" = "${width}x$height" ]; then
        echo "ok: $name, $size"
    else
        echo "FAILED: $name is $size, the metainfo says ${width}x$height"
        failures=$((failures + 1))
    fi
done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/screenshots/\([^<]*\)</image>.*|\1 \2 \3|p' "$metainfo")
made="$(find "$out" -name '*.png' | wc -l)"
[ "$named" -gt 0 ] || { echo "FAILED: the metainfo names no screenshot"; failures=$((failures + 1)); }
[ "$made" -eq "$named" ] || { echo "FAILED: $made images made, $named named"; failures=$((failures + 1)); }
exit "$failures"
