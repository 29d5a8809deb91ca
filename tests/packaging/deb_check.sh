#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build and tries it as a school's installation:
# its name and contents, the desktop entry and metainfo checked by their validators, then the
# program unpacked into a folder owned by root and run by "nobody", who cannot write there:
# its temporary file must say OUI in that user's own data folder while it runs, and NON after
# SIGTERM. Exits 77 (skipped) when not root or when a tool is missing.
set -euo pipefail
build="$1"
version="$2"
appid="$3"

skip() {
    echo "SKIPPED: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "the check needs root (a root-owned install folder, runuser)"
for tool in cpack dpkg-deb dpkg runuser appstreamcli desktop-file-validate readelf od; do
    command -v "$tool" >/dev/null || skip "$tool is missing (scripts/setup.sh installs it)"
done
id nobody >/dev/null 2>&1 || skip "there is no user nobody"

work="$(mktemp -d)"
runner=""
cleanup() {
    if [ -n "$runner" ] && kill -0 "$runner" 2>/dev/null; then
        [ -f "$work/home/pid" ] && kill -KILL "$(cat "$work/home/pid")" 2>/dev/null || true
        wait "$runner" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
check() { # description, command...
    local what="$1"
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

# ---- The package ----
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb="$work/out/titrage_${version}_$(dpkg --print-architecture).deb"
check "package named $(basename "$deb")" test -f "$deb"
[ -f "$deb" ] || exit 1
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
    check "depends on $dep" grep -q "\b$dep\b" <<<"$depends"
done

root="$work/root"
mkdir -p "$root"
dpkg-deb -x "$deb" "$root"
chmod 755 "$work" "$root"
program="$root/usr/lib/titrage/titrage"
check "the launcher links to the program folder" \
    test "$(readlink -f "$root/usr/bin/titrage")" = "$(readlink -f "$program")"
for f in Ovlu.hlp VIREKA.PEM DIIODE.E44; do
    check "$f beside the executable" test -f "$root/usr/lib/titrage/$f"
done
check "stripped executable" bash -c "! readelf -S '$program' | grep -q '\.symtab'"
check "licence in copyright" grep -q "^License: GPL-3+" "$root/usr/share/doc/titrage/copyright"
check "manual page" test -f "$root/usr/share/man/man1/titrage.1.gz"
check "icon" test -f "$root/usr/share/icons/hicolor/scalable/apps/$appid.svg"
check "desktop entry valid" desktop-file-validate "$root/usr/share/applications/$appid.desktop"
check "desktop entry names its icon" grep -qx "Icon=$appid" "$root/usr/share/applications/$appid.desktop"
check "metainfo valid" appstreamcli validate --no-net "$root/usr/share/metainfo/$appid.metainfo.xml"

# ---- Run by a user who cannot write the program folder ----
home="$work/home"
mkdir -p "$home"
mkdir -m 700 "$home/run"
chown -R nobody "$home"
tempfile="$home/.local/share/titrage/TEMPlu.TMP"
# Text of a record of the temporary file (128-byte records, a 16-bit length first).
record() {
    [ -f "$tempfile" ] || return 0
    local at=$((($1 - 1) * 128)) length
    length="$(od -An -tu2 -j "$at" -N2 "$tempfile" | tr -d ' ')"
    [ -n "$length" ] || return 0
    dd if="$tempfile" bs=1 skip=$((at + 2)) count="$length" 2>/dev/null
}
wait_for() { # record, text, seconds
    local k
    for ((k = 0; k < $3 * 10; ++k)); do
        [ "$(record "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    return 1
}
check "runs as nobody" runuser -u nobody -- "$root/usr/bin/titrage" --version
runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$home/run" \
    sh -c 'echo $$ > "$HOME/pid"; exec "$0"' "$root/usr/bin/titrage" >"$work/run.log" 2>&1 &
runner=$!
check "OUI in the user's temporary file while the program runs" wait_for 24 OUI 60
check "nothing written into the program folder" test ! -e "$root/usr/lib/titrage/TEMPlu.TMP"
if [ -f "$home/pid" ]; then
    kill -TERM "$(cat "$home/pid")"
    status=0
    wait "$runner" || status=$?
    runner=""
    check "SIGTERM ends the program normally (status $status)" test "$status" -eq 0
    check "NON after SIGTERM" wait_for 24 NON 1
else
    check "the program started" false
fi
if [ "$failures" -ne 0 ]; then
    echo "---- program output ----"
    cat "$work/run.log"
fi
echo "$failures failed"
exit "$failures"
