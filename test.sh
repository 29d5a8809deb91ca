#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and runs every test headless; exits non-zero on a failure.
# TITRAGE_PRESET=asan ./test.sh runs them under the address and undefined-behaviour sanitizers.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/setup.sh"
preset="${TITRAGE_PRESET:-dev}"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j "$(nproc)" --timeout 300
