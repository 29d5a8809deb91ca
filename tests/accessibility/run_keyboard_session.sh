#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The keyboard session under a real X server, read through the accessibility bus. Needs Xvfb,
# xdotool, a D-Bus session, the accessibility bus and pyatspi (scripts/setup.sh installs
# them); skipped with a message when one is missing. The session has a runtime folder and a
# home of its own: the accessibility bus puts its socket there, so that two runs side by side
# (or a desktop session of the same user) never share it.
# Usage: run_keyboard_session.sh <titrage executable> <data folder>
set -euo pipefail
here="$(CDPATH= cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)"
program="$1"
data="$2"

missing=()
for tool in Xvfb xdotool dbus-run-session; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi-bus-launcher)
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=(pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Session au clavier sautée : il manque ${missing[*]}"
  exit 77
fi

private="$(mktemp -d "${TMPDIR:-/tmp}/titrage-session-XXXXXX")"
trap 'rm -rf "$private"' EXIT
mkdir -m 700 "$private/run" "$private/home"
export XDG_RUNTIME_DIR="$private/run" HOME="$private/home"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS DISPLAY
dbus-run-session -- /usr/bin/python3 "$here/keyboard_session.py" "$program" "$data"
