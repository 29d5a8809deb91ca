#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a packager and a school's administrator try it:
# - built twice with dpkg-buildpackage from copies of the sources, in two folders, under two
#   umasks and two time zones, and compared byte for byte;
# - lintian without errors or warnings; hardening-check on the program;
# - its contents where Debian wants them, dates and version from debian/changelog;
# - the program run from the unpacked package by an ordinary user and by root: each one's
#   temporary file in their own data folder, nothing written into the package's folders;
# - the file types for the desktop (xdg-mime) and a configuration named on the command line
#   opened under a real X server.
# Needs root (runuser, a root-owned installation) and the packaging tools
# (scripts/setup.sh installs them); exits 77 (skipped) otherwise.
set -euo pipefail
source="$(cd "$1" && pwd)"
appid="$2"

skip() {
    echo "SKIPPED: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "the check needs root (a root-owned installation, runuser)"
for tool in dpkg-buildpackage dpkg-parsechangelog dpkg-checkbuilddeps dpkg-deb lintian \
    hardening-check runuser appstreamcli desktop-file-validate update-mime-database \
    update-desktop-database xdg-mime mimetype Xvfb xdotool readelf od; do
    command -v "$tool" >/dev/null || skip "$tool is missing (scripts/setup.sh installs it)"
done
id nobody >/dev/null 2>&1 || skip "there is no user nobody"
if ! unmet="$(cd "$source" && dpkg-checkbuilddeps 2>&1)"; then
    skip "build dependencies are missing: $unmet"
fi

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
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

version="$(dpkg-parsechangelog -l "$source/debian/changelog" -SVersion)"
arch="$(dpkg --print-architecture)"
deb="titrage_${version}_${arch}.deb"
dbgsym="titrage-dbgsym_${version}_${arch}.deb"

# ---- Two builds ----
# The sources as the repository holds them (with the changes not yet committed), else all of
# the folder but the build folders.
copy_sources() { # destination
    mkdir -p "$1"
    if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        (cd "$source" && git ls-files -co --exclude-standard -z |
            while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
            tar -cf - --null -T -) | tar -xf - -C "$1"
    else
        tar -C "$source" --exclude='./build*' --exclude='./obj-*' -cf - . | tar -xf - -C "$1"
    fi
}
build() { # folder, umask, time zone
    copy_sources "$1/titrage"
    if ! (cd "$1/titrage" && umask "$2" && TZ="$3" dpkg-buildpackage -b -us -uc) \
        >"$1/build.log" 2>&1; then
        tail -n 60 "$1/build.log"
        echo "FAILED: dpkg-buildpackage in $1"
        exit 1
    fi
}
started=$SECONDS
build "$work/a" 022 UTC
echo "first build: $((SECONDS - started)) s"
build "$work/second/build/in/a/longer/path" 002 Pacific/Kiritimati
echo "both builds: $((SECONDS - started)) s"
other="$work/second/build/in/a/longer/path"
for package in "$deb" "$dbgsym"; do
    check "$package built" test -f "$work/a/$package"
    (cd "$work/a" && sha256sum "$package") || true
    (cd "$other" && sha256sum "$package") || true
    check "$package identical in both builds" cmp -s "$work/a/$package" "$other/$package"
done
[ -f "$work/a/$deb" ] || exit 1
check "built with Debian's flags (stack protector, immediate binding)" \
    bash -c "grep -q -- -fstack-protector-strong '$work/a/build.log' && grep -q -- -z,now '$work/a/build.log'"

# ---- lintian, hardening-check ----
lintian_out="$(lintian --fail-on error,warning "$work/a/titrage_${version}_${arch}.changes" 2>&1)" &&
    status=0 || status=$?
echo "lintian: ${lintian_out:-(nothing to say)}"
check "lintian: no error, no warning" test "$status" -eq 0

root="$work/root"
mkdir -p "$root"
dpkg-deb -x "$work/a/$deb" "$root"
chmod 755 "$root"
program="$root/usr/bin/titrage"
# Control-flow protection is not asked: it needs the start files of the C library to carry it,
# and Debian 12's do not (no program linked on it has it, /usr/bin/ls neither).
hardening="$(hardening-check --nocfprotection "$program" 2>&1)" && status=0 || status=$?
echo "$hardening"
check "hardening-check passes" test "$status" -eq 0
for feature in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
    "Read-only relocations" "Immediate binding"; do
    check "$feature" grep -q "^ $feature: yes" <<<"$hardening"
done

# ---- Contents ----
depends="$(dpkg-deb -f "$work/a/$deb" Depends)"
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
    check "depends on $dep" grep -q "\b$dep\b" <<<"$depends"
done
check "English description" grep -q "^redox and acid-base titration simulator" \
    <<<"$(dpkg-deb -f "$work/a/$deb" Description)"
check "the program in /usr/bin, a file of its own" test -f "$program" -a ! -L "$program"
check "nothing under /usr/lib" test ! -e "$root/usr/lib"
shipped="$(find "$source/data" -type f ! -name .keep | wc -l)"
check "the $shipped data files under /usr/share/titrage" \
    test "$(find "$root/usr/share/titrage" -type f | wc -l)" -eq "$shipped"
for f in Ovlu.hlp VIREKA.PEM DIIODE.E44; do
    check "$f in /usr/share/titrage" test -f "$root/usr/share/titrage/$f"
done
check "stripped executable" bash -c "! readelf -S '$program' | grep -q '\.symtab'"
build_id="$(readelf -n "$program" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')"
check "debug symbols in the -dbgsym package" \
    grep -qF "/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug" \
    <<<"$(dpkg-deb -c "$work/a/$dbgsym")"
doc="$root/usr/share/doc/titrage"
check "changelog" test -f "$doc/changelog.gz"
check "licence in copyright" grep -q "^License: GPL-3+" "$doc/copyright"
# The release's date, as the changelog writes it, in the man page and the metainfo.
read -r _ day month year _ <<<"$(dpkg-parsechangelog -l "$source/debian/changelog" -SDate)"
months=(janvier février mars avril mai juin juillet août septembre octobre novembre décembre)
number="$(date -d "$day $month $year" +%-m)"
check "manual page dated from the changelog" \
    bash -c "zcat '$root/usr/share/man/man1/titrage.1.gz' | grep -qF '.TH TITRAGE 1 \"${months[number - 1]} $year\" \"titrage $version\"'"
metainfo="$root/usr/share/metainfo/$appid.metainfo.xml"
check "metainfo dated from the changelog" \
    grep -qF "<release version=\"$version\" date=\"$(date -d "$day $month $year" +%F)\"/>" "$metainfo"
check "metainfo valid" appstreamcli validate --no-net "$metainfo"
for type in application/x-titrage-configuration application/x-titrage-exercise; do
    check "metainfo provides $type" grep -qF "<mediatype>$type</mediatype>" "$metainfo"
done
desktop="$root/usr/share/applications/$appid.desktop"
check "desktop entry valid" desktop-file-validate "$desktop"
check "desktop entry opens one file" grep -qx "Exec=titrage %f" "$desktop"
check "desktop entry names its icon" grep -qx "Icon=$appid" "$desktop"
png_size() { # the width and height in a PNG's header
    echo "$(od -An -tu1 -j16 -N4 "$1" | awk '{print $3 * 256 + $4}')x$(od -An -tu1 -j20 -N4 "$1" |
        awk '{print $3 * 256 + $4}')"
}
icons="$root/usr/share/icons/hicolor"
for icon in "apps/$appid" mimetypes/application-x-titrage-configuration \
    mimetypes/application-x-titrage-exercise; do
    check "$icon.svg" test -f "$icons/scalable/$icon.svg"
    for size in 16 22 24 32 48 64 128 256; do
        png="$icons/${size}x$size/$icon.png"
        check "$icon.png at ${size}x$size" test -f "$png" -a "$(png_size "$png" 2>/dev/null)" = "${size}x$size"
    done
done

# ---- The program run from the package, by an ordinary user and by root ----
snapshot() { find "$root" -printf '%p %s %m %T@\n' | sort; }
snapshot >"$work/before"
# Text of a record of a temporary file (128-byte records, a 16-bit length first).
record() { # file, record
    [ -f "$1" ] || return 0
    local at=$((($2 - 1) * 128)) length
    length="$(od -An -tu2 -j "$at" -N2 "$1" | tr -d ' ')"
    [ -n "$length" ] || return 0
    dd if="$1" bs=1 skip=$((at + 2)) count="$length" 2>/dev/null
}
wait_for() { # file, record, text, seconds
    local k
    for ((k = 0; k < $4 * 10; ++k)); do
        [ "$(record "$1" "$2")" = "$3" ] && return 0
        sleep 0.1
    done
    return 1
}
run_as() { # user, home
    local user="$1" home="$2" runner pid k status=0
    mkdir -p "$home/run"
    chmod 700 "$home/run"
    chown -R "$user" "$home"
    local temporary="$home/.local/share/titrage/TEMPlu.TMP"
    runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
        QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$home/run" \
        sh -c 'echo $$ > "$HOME/pid"; exec "$0"' "$program" >"$home.log" 2>&1 &
    runner=$!
    pids+=("$runner")
    check "$user: OUI in their own temporary file while the program runs" \
        wait_for "$temporary" 24 OUI 60
    for ((k = 0; k < 50; ++k)); do
        [ -s "$home/pid" ] && break
        sleep 0.1
    done
    pid="$(cat "$home/pid" 2>/dev/null || true)"
    if [ -n "$pid" ]; then
        kill -TERM "$pid"
        wait "$runner" || status=$?
        check "$user: SIGTERM ends the program normally (status $status)" test "$status" -eq 0
        check "$user: NON after SIGTERM" wait_for "$temporary" 24 NON 1
    else
        check "$user: the program started" false
        cat "$home.log"
    fi
}
run_as nobody "$work/home-user"
run_as root "$work/home-root"
snapshot >"$work/after"
check "nothing written into the package's folders" cmp -s "$work/before" "$work/after"
diff "$work/before" "$work/after" || true

# ---- Files from the file manager ----
xdg="$work/xdg"
mkdir -p "$xdg/mime/packages" "$xdg/applications" "$work/files"
cp "$root/usr/share/mime/packages/$appid.xml" "$xdg/mime/packages/"
update-mime-database "$xdg/mime" 2>/dev/null
cp "$desktop" "$xdg/applications/"
update-desktop-database "$xdg/applications"
cp "$root/usr/share/titrage/JAVEL.C17" "$work/files/ESSAI.C17"
cp "$root/usr/share/titrage/JAVEL.C17" "$work/files/sans-extension"
cp "$root/usr/share/titrage/JAVEL.E44" "$work/files/ESSAI.E44"
chmod -R a+rX "$work/files"
filetype() { XDG_DATA_HOME="$xdg" XDG_DATA_DIRS=/usr/share xdg-mime query filetype "$1" 2>/dev/null; }
default_for() { XDG_DATA_HOME="$xdg" XDG_DATA_DIRS=/usr/share XDG_CONFIG_HOME="$xdg/config" \
    xdg-mime query default "$1" 2>/dev/null; }
for row in "ESSAI.C17 application/x-titrage-configuration" \
    "sans-extension application/x-titrage-configuration" \
    "ESSAI.E44 application/x-titrage-exercise"; do
    read -r file type <<<"$row"
    found="$(filetype "$work/files/$file")"
    echo "xdg-mime query filetype $file: $found"
    check "$file is $type" test "$found" = "$type"
    check "$type opens with $appid.desktop" test "$(default_for "$type")" = "$appid.desktop"
done

# A configuration named on the command line, as the file manager names it: the window's
# caption names the file once it is loaded.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=("$!")
disown "$!" # ended by the cleanup, without a word
read -r -t 20 display <"$work/display" || true
if [ -z "${display:-}" ]; then
    check "Xvfb started" false
else
    home="$work/home-display"
    mkdir -p "$home/run"
    chmod 700 "$home/run"
    chown -R nobody "$home"
    runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY=":$display" \
        XDG_RUNTIME_DIR="$home/run" "$program" "$work/files/ESSAI.C17" >"$home.log" 2>&1 &
    pids+=("$!")
    disown "$!"
    expected="Titrage colorimétrique - $work/files/ESSAI.C17"
    caption=""
    for ((k = 0; k < 300; ++k)); do
        caption="$(DISPLAY=":$display" xdotool search --classname titrage getwindowname %@ 2>/dev/null |
            grep -F -x -- "$expected" || true)"
        [ -n "$caption" ] && break
        sleep 0.1
    done
    echo "caption: ${caption:-(none)}"
    check "titrage ESSAI.C17 opens that configuration" test "$caption" = "$expected"
fi

echo "$failures failed"
exit "$failures"
