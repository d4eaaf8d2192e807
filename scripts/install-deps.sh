#!/usr/bin/env bash
# Installs what クレモア needs to build, run and test on Debian 12, and any packages named as
# arguments (the tools of other checks); installs only what is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libxcb1-dev libxcb-shm0-dev
    libsdl2-mixer-dev timgm6mb-soundfont fonts-noto-cjk
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev xvfb xauth x11-utils
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 wine64 xdotool
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
