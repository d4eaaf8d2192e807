#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${KREMOA_TEST_BUILD:-$top/build}
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$build" "$@"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "$build" -j2 --output-on-failure --timeout 300
