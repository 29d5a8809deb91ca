#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/setup.sh"
exec "$here/build/bin/titrage" "$@"
