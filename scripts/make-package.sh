#!/usr/bin/env bash
# Makes the Debian package kremoa_VERSION_ARCH.deb in build-package/ (or the folder given as $1)
# with Debian's compiler and linker flags, and checks it: lintian (no errors), the AppStream
# metainfo and the desktop entry it carries, and its version against the changelog.
# Prints the package's path last.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-package}
"$top/scripts/install-deps.sh" dpkg-dev file lintian appstream desktop-file-utils

# Debian's flags: all the hardening (binding at start-up too), and the source folder mapped away
# from debug information.
cd "$top"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DKREMOA_BENCH=OFF -DKREMOA_FUZZ=OFF -DKREMOA_SANITIZE=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j2
rm -f "$build"/kremoa_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/kremoa_*.deb)

# The version is written by hand in the changelog, the metainfo and the manual pages.
package_version=$(dpkg-deb -f "$package" Version)
stated="data/changelog $(dpkg-parsechangelog -l "$top/data/changelog" -S Version)
data/jp.kremoa.Kremoa.metainfo.xml $(grep -o -m1 '<release version="[^"]*"' \
    "$top/data/jp.kremoa.Kremoa.metainfo.xml" | cut -d'"' -f2)"
for page in "$top"/data/*.1; do
    stated+="
data/$(basename "$page") $(sed -n 's/^\.TH .*"kremoa \([^"]*\)".*/\1/p' "$page")"
done
stale=$(echo "$stated" | awk -v version="$package_version" '$2 != version')
if [ -n "$stale" ]; then
    echo "make-package: the package is version $package_version, but these say otherwise:" >&2
    echo "$stale" >&2
    exit 1
fi

contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$package" "$contents"
appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml >/dev/null
desktop-file-validate "$contents"/usr/share/applications/*.desktop
lintian --fail-on error --tag-display-limit 0 "$package" >&2
echo "$package"
