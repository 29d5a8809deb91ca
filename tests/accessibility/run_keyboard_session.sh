#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The keyboard session under a real X server, read through the accessibility bus. Needs Xvfb,
# xdotool, a D-Bus session, the accessibility bus and pyatspi (scripts/setup.sh installs
# them); skipped with a message when one is missing.
# Usage: run_keyboard_session.sh <titrage executable>
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
program="$1"

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

exec dbus-run-session -- /usr/bin/python3 "$here/keyboard_session.py" "$program"
