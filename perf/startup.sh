#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's start-up beside a bare Qt Widgets window of the same size, on an X server of
# their own (Xvfb): each is started in turn, the bare window first, and timed from its exec to
# its window shown and painted (perf_startup_watch, through X Damage). One start of each is
# made first and not counted (it fills the disk cache); then the medians of the runs and their
# ratios are printed: to the window shown on the screen, and to its first whole picture.
#
#   perf/startup.sh              9 runs of each
#   perf/startup.sh 15           15 runs of each
#   perf/startup.sh 15 --realtime
#
# --realtime runs the X server and both programs at a real-time priority (chrt, as root), so
# that other work on the machine (builds, tests) does not stretch one run more than another.
# As on a desktop, a D-Bus session is there (one is started when there is none): without one,
# Qt starts one itself through X11 at the first accessibility request, which takes tens of
# milliseconds. TITRAGE_BUILD_DIR names another build folder (default build/, the dev preset).
# The program is started as ./run.sh starts it, from its build folder, where it writes its
# temporary file.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
  exec dbus-run-session -- "$0" "$@"
fi
runs="${1:-9}"
priority=()
if [ "${2:-}" = "--realtime" ]; then
  priority=(chrt --fifo 10)
  "${priority[@]}" true || { echo "chrt refused a real-time priority (run as root)." >&2; exit 1; }
fi
build="${TITRAGE_BUILD_DIR:-$root/build}"

if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "No build in $build: run ./scripts/setup.sh first (or set TITRAGE_BUILD_DIR)." >&2
  exit 1
fi
cmake --build "$build" -j "$(nproc)" --target titrage perf_bare_window perf_startup_watch \
  >/dev/null
watch="$build/bin/perf_startup_watch"
bare="$build/bin/perf_bare_window"
program="$build/bin/titrage"

# A display number that no server holds.
display=""
for n in $(seq 99 -1 20); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    display=":$n"
    break
  fi
done
[ -n "$display" ] || { echo "No free X display number." >&2; exit 1; }
"${priority[@]}" Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true' EXIT
export DISPLAY="$display"
unset QT_QPA_PLATFORM
runtime="$(mktemp -d)"
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
for _ in $(seq 100); do
  [ -S "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done

# One start of the given program: the milliseconds to its window shown on the screen, then to
# that window painted.
start_times() {
  local line
  if ! line="$("${priority[@]}" "$watch" -- "$@" 2>"$runtime/errors")"; then
    cat "$runtime/errors" >&2
    echo "The start of $1 was not seen." >&2
    exit 1
  fi
  awk '{ print $2, $6 }' <<<"$line"
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2];
                                       else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ratio() {
  awk -v p="$1" -v b="$2" 'BEGIN { printf "%.2f", p / b }'
}

start_times "$bare" >/dev/null
start_times "$program" >/dev/null
bare_shown=()
bare_painted=()
program_shown=()
program_painted=()
printf "%4s %24s %24s\n" run "bare: shown, painted (ms)" "titrage: shown, painted"
for k in $(seq "$runs"); do
  read -r bs bp < <(start_times "$bare")
  read -r ps pp < <(start_times "$program")
  bare_shown+=("$bs")
  bare_painted+=("$bp")
  program_shown+=("$ps")
  program_painted+=("$pp")
  printf "%4d %12s %11s %12s %11s\n" "$k" "$bs" "$bp" "$ps" "$pp"
done
bs="$(printf "%s\n" "${bare_shown[@]}" | median)"
bp="$(printf "%s\n" "${bare_painted[@]}" | median)"
ps="$(printf "%s\n" "${program_shown[@]}" | median)"
pp="$(printf "%s\n" "${program_painted[@]}" | median)"
echo "Medians of $runs runs ($(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)):"
echo "  window shown:   bare window $bs ms, titrage $ps ms, ratio $(ratio "$ps" "$bs")"
echo "  window painted: bare window $bp ms, titrage $pp ms, ratio $(ratio "$pp" "$bp")"
