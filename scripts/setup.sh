#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs (Debian packages, as root) when it is missing,
# then configures and builds in build/: every target, or only the targets named as arguments
# (run.sh names the program alone).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

packages=(g++ cmake make qt6-base-dev qt6-translations-l10n libgl-dev fonts-liberation googletest
          libgtest-dev
          libbenchmark-dev xvfb xauth libxdamage-dev
          xdotool dbus-daemon dbus-bin dbus-x11 at-spi2-core python3-pyatspi
          dpkg-dev appstream desktop-file-utils
          debhelper lintian devscripts librsvg2-bin ninja-build
          shared-mime-info xdg-utils libfile-mimeinfo-perl
          clang-format poppler-utils
          clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installation des paquets manquants : ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

preset="${TITRAGE_PRESET:-dev}"
builddir=build
[ "$preset" = asan ] && builddir=build-asan
# Configuring again is cheap and picks up folders added since the last build.
cmake --preset "$preset" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$builddir" -j "$(nproc)" "${targets[@]}"
