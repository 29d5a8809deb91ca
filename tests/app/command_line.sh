#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# titrage --version and --help answer in French (a no-break space before the colon) and exit 0,
# without a display; other arguments before them change nothing.
set -euo pipefail
program="$1"
version="$2"
failures=0
expect() { # name, pattern, command...
    local name="$1" pattern="$2"
    shift 2
    local out status=0
    out="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$@" 2>&1)" || status=$?
    if [ "$status" -ne 0 ] || ! grep -qE "$pattern" <<<"$out"; then
        echo "FAILED: $name (exit $status)"
        echo "$out"
        failures=$((failures + 1))
    else
        echo "ok: $name"
    fi
}
expect "version" "^titrage \(Titrage colorimétrique\) ${version//./\\.}$" "$program" --version
expect "licence in the version" "GPL-3\.0-or-later" "$program" --version
expect "help" "^Utilisation : titrage \[--help \| --version\] \[FICHIER\]$" "$program" --help
expect "short help" "~/\.local/share/titrage/" "$program" -h
expect "unknown argument first" "^Utilisation" "$program" --inconnu --help
exit "$failures"
