#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and runs every test headless; exits non-zero on a failure.
# TITRAGE_PRESET=asan ./test.sh runs them under the address and undefined-behaviour sanitizers.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/setup.sh"
preset="${TITRAGE_PRESET:-dev}"
export QT_QPA_PLATFORM=offscreen
corpus="${TITRAGE_RTF_CORPUS:-$here/../shared/rtf-corpus}"
if [ ! -d "$corpus/files" ]; then
    echo "Corpus RTF absent ($corpus) : les tests qui le lisent sont sautés" \
         "(la variable TITRAGE_RTF_CORPUS désigne son dossier)."
fi
ctest --preset "$preset" -j "$(nproc)" --timeout 300
