#!/usr/bin/env bash
# Installs what is missing, builds, and opens the built-in demo show in the editor.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" "$top/build"
exec "$top/build/app/kremoa" "$top/build/demo/demo.kwp"
