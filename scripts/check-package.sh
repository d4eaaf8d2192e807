#!/usr/bin/env bash
# Installs the Debian package on a fresh Debian 12 in a chroot and checks it, as root:
#   scripts/check-package.sh PACKAGE.deb [CHROOT]
# The chroot (default /work/chroot-bookworm, outside the repository) is made with debootstrap on
# first use and kept. In it: `apt install ./kremoa_*.deb` alone, no program missing a library,
# kremoa-cli building the demo show into a saver, the saver's --check, the editor starting on
# Xvfb with the show open; then `apt purge kremoa` and `apt autoremove --purge` must bring the
# system back to the files it had before, with nothing named after the program left anywhere.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
package=$(realpath "${1:?usage: check-package.sh PACKAGE.deb [CHROOT]}")
root=${2:-/work/chroot-bookworm}
started=$(date +%s)
step() { echo "=== $* ($(($(date +%s) - started)) s)"; }
fail() {
    echo "check-package: $*" >&2
    exit 1
}

# The demo show made by the build that made the package.
demo=${KREMOA_DEMO_DIR:-$(dirname "$package")/demo}
[ -f "$demo/demo.kwp" ] || fail "no demo show in $demo (set KREMOA_DEMO_DIR)"

# The machine's own Debian mirror.
mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
    2>/dev/null | grep -o -E 'https?://[^ ]+/debian/?( |$)' | head -n1 | tr -d ' ' || true)
mirror=${mirror:-http://deb.debian.org/debian}
if [ ! -x "$root/usr/bin/apt-get" ]; then
    step "debootstrap bookworm from $mirror into $root"
    "$top/scripts/install-deps.sh" debootstrap
    debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
fi

mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}" || true; done
    rm -rf "$root/tmp/kremoa-check"
}
trap cleanup EXIT
for fs in proc sys dev dev/pts; do
    mount --bind "/$fs" "$root/$fs"
    mounted+=("$root/$fs")
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    XDG_RUNTIME_DIR=/tmp/kremoa-check/run DEBIAN_FRONTEND=noninteractive "$@"; }
apt_quiet() { in_root apt-get -y -q -o Dpkg::Use-Pty=0 "$@" >/dev/null; }

# A run stopped half way may have left the package or the check's tools behind.
step "bringing the chroot to its base"
apt_quiet update
if in_root dpkg-query -W kremoa >/dev/null 2>&1; then apt_quiet purge kremoa; fi
apt_quiet autoremove --purge

# Everything but the package databases, caches and logs, which record the visit by design.
snapshot() {
    (cd "$root" && find . -xdev \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./tmp \
        -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./var/cache -o -path ./var/log \
        -o -path ./etc/resolv.conf \) -prune -o -print | LC_ALL=C sort)
}
work=$(mktemp -d)
trap 'cleanup; rm -rf "$work"' EXIT
snapshot >"$work/before"

# Without the recommended packages: what the package depends on must be enough by itself.
# KREMOA_CHECK_RECOMMENDS=1 installs them too, as a plain `apt install` does.
recommends=--no-install-recommends
[ "${KREMOA_CHECK_RECOMMENDS:-0}" = 1 ] && recommends=--install-recommends
step "apt install $recommends ./$(basename "$package")"
mkdir -p "$root/tmp/kremoa-check"
install -d -m 700 "$root/tmp/kremoa-check/run"
cp "$package" "$root/tmp/kremoa-check/"
in_root apt-get install -y -q -o Dpkg::Use-Pty=0 $recommends \
    "/tmp/kremoa-check/$(basename "$package")" >"$work/install.log" 2>&1 ||
    fail "apt install failed: $(tail -n 5 "$work/install.log")"
grep -E '^[0-9]+ upgraded' "$work/install.log"
in_root dpkg-query -W kremoa
# The MIME database, when the system has one, learns the workspace type from the package's trigger.
if [ -f "$root/usr/share/mime/globs2" ]; then
    grep -q ':application/x-kremoa-workspace:\*\.kwp' "$root/usr/share/mime/globs2" ||
        fail "the MIME database does not know .kwp files"
    echo "the MIME database knows .kwp files"
fi

step "libraries of the installed programs"
for program in $(in_root dpkg -L kremoa | grep -E '/(kremoa|kremoa-cli|Project\.krt)$'); do
    [ -f "$root$program" ] && [ ! -L "$root$program" ] || continue
    if in_root ldd "$program" | grep 'not found'; then fail "$program misses a library"; fi
done

# The demo show names its files by absolute paths of the build folder: it is moved into the
# chroot as JSON with the paths rewritten, and made a workspace again by the installed tool.
step "kremoa-cli builds the demo show into a saver"
cp -r "$demo" "$root/tmp/kremoa-check/demo"
sed "s|$demo/|/tmp/kremoa-check/demo/|g" "$demo/demo.json" >"$root/tmp/kremoa-check/demo/demo.json"
slides=$(grep -c '"image":' "$demo/demo.json")
for option in --help --version; do
    in_root kremoa-cli $option >"$work/option.log" 2>&1 && status=0 || status=$?
    echo "kremoa-cli $option: exit $status, $(grep -v QStandardPaths "$work/option.log" | head -n1)"
done
in_root kremoa-cli workspace write /tmp/kremoa-check/demo/demo.json /tmp/kremoa-check/demo/demo.kwp
in_root kremoa-cli build /tmp/kremoa-check/demo/demo.kwp --out /tmp/kremoa-check/demo.scr \
    --product Demo
[ -x "$root/tmp/kremoa-check/demo.scr" ] || fail "the built saver is not an executable file"
in_root env QT_QPA_PLATFORM=offscreen /tmp/kremoa-check/demo.scr --check >"$work/check.json" ||
    fail "the built saver's --check failed"
grep -q "\"slideCount\": $slides," "$work/check.json" ||
    fail "the saver's --check does not count $slides slides: $(head -c 300 "$work/check.json")"
echo "the saver's --check: $(tr -d ' \n' <"$work/check.json" | head -c 100)..."

step "the editor starts on Xvfb"
apt_quiet install --no-install-recommends xvfb xauth x11-utils
in_root apt-mark auto xvfb xauth x11-utils >/dev/null
# The main window is mapped when the window tree lists its title with the program's class.
cat >"$root/tmp/kremoa-check/editor.sh" <<'EOF_EDITOR'
SDL_AUDIODRIVER=dummy kremoa /tmp/kremoa-check/demo/demo.kwp &
editor=$!
shown=1
for i in $(seq 1 60); do
    if xwininfo -root -tree | grep -m1 '"クレモア": ("kremoa"'; then
        shown=0
        break
    fi
    sleep 0.5
done
# Still running after showing the window: the editor must not have crashed on the show.
kill $editor || shown=1
exit $shown
EOF_EDITOR
in_root xvfb-run -a -s "-screen 0 1280x1024x24" sh /tmp/kremoa-check/editor.sh ||
    fail "the editor did not show its main window"

step "apt purge kremoa; apt autoremove --purge"
apt_quiet purge kremoa
apt_quiet autoremove --purge
rm -rf "$root/tmp/kremoa-check"
snapshot >"$work/after"
if ! diff "$work/before" "$work/after" >"$work/diff"; then
    cat "$work/diff" >&2
    fail "the system differs from before the install"
fi
left=$(cd "$root" && find . -xdev \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./var/lib/dpkg \
    -o -path ./var/lib/apt -o -path ./var/cache/apt -o -path ./var/log \) -prune -o -iname '*kremoa*' -print)
[ -z "$left" ] || fail "left behind: $left"
if grep -rlI --exclude-dir=dpkg --exclude-dir=apt -e kremoa "$root/usr/share" "$root/etc" 2>/dev/null; then
    fail "caches or settings still name the program"
fi
step "the package installs, works and leaves nothing behind"
