#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# titrage --version and --help answer in French (a no-break space before the colon) and exit 0,
# without a display; other arguments before them change nothing. titrage --tableau writes its
# table without a display, and a wrong one says why on the standard error only, with the exit
# status 2.
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
expect "table in the help" "^  --tableau …" "$program" --help
expect "table's help" "^Utilisation.+ titrage --tableau --espece" "$program" --tableau --help
expect "table" "^20,0;12,52;" "$program" --tableau --espece "acide éthanoïque" \
    --concentration 0,100 --prelevement 10 --titrant 0.1 --jusqua 20 --pas 0,5
refuse() { # name, pattern of the standard error, command...
    local name="$1" pattern="$2"
    shift 2
    local out err status=0
    err="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$@" 2>&1 >/dev/null)" || status=$?
    out="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$@" 2>/dev/null)" || true
    if [ "$status" -ne 2 ] || [ -n "$out" ] || ! grep -qE "$pattern" <<<"$err"; then
        echo "FAILED: $name (exit $status)"
        echo "$err"
        failures=$((failures + 1))
    else
        echo "ok: $name"
    fi
}
refuse "unknown option of the table" "option inconnue «.--couleur.»" "$program" --tableau \
    --couleur
refuse "unknown species" "espèce inconnue «.acide sulfurique.»" "$program" --tableau \
    --espece "acide sulfurique" --concentration 0,1 --prelevement 10 --titrant 0,1
refuse "out of the bench's limits" "doit aller de 0,0001 à 0,2" "$program" --tableau \
    --espece ammoniac --concentration 2 --prelevement 10 --titrant 0,1
exit "$failures"
