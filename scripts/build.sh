#!/usr/bin/env bash
# Configures and builds クレモア into build/ (or the folder given as $1, with extra CMake
# options after it). Safe to run again: an existing build is only brought up to date.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
shift || true
cmake -S "$top" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build" -j2
