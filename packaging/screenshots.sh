#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots that the metainfo names from the program itself, without any display,
# into a folder (build/screenshots by default), to be published under the metainfo's addresses.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$here/build/screenshots}"
"$here/scripts/setup.sh" titrage_screenshots
"$here/build/bin/titrage_screenshots" "$out"
echo "Captures d'écran dans $out : $(cd "$out" && echo *.png)"
