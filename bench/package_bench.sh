#!/usr/bin/env bash
# Package-writing benchmark: kremoa-cli package against cat of the same files.
#
#   bench/package_bench.sh [BUILD_DIR] [TOTAL_MIB] [RUNS]
#
# Makes TOTAL_MIB (default 1024) of image files (40 files of random bytes; the package copies
# bytes, it does not decode them) in a temporary folder, a show of one slide per file plus a
# slide that shares the first file, and then, RUNS times (default 5) each:
#   - cat FILES > out               (the floor: one sequential copy)
#   - cat FILES > out && sync out   (the same with the data on disk, as the package writer
#                                    syncs before it renames)
#   - kremoa-cli package show.json out.pkg
# with the wall time and peak memory from /usr/bin/time -v. Prints the medians and the ratios.
# Targets: package within 1.2x of cat (with sync), peak resident memory under 64 MiB.
set -euo pipefail

build_dir=${1:-build}
total_mib=${2:-1024}
runs=${3:-5}
files=40
cli="$build_dir/app/kremoa-cli"
[[ -x $cli ]] || { echo "no kremoa-cli in $build_dir/app: build it first" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/kremoa-package-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/images"
per_file=$(( total_mib / files ))
for i in $(seq -w 1 $files); do
    head -c "${per_file}M" /dev/urandom > "$work/images/photo_$i.bmp"
done
sources=("$work"/images/*.bmp)

{
    printf '{"bgm": "", "backColor": 0, "canvasWidth": 320, "canvasHeight": 240, "slides": ['
    for path in "${sources[@]}" "${sources[0]}"; do
        printf '%s{"image": "%s", "displayTime": 1000}' "${sep:-}" "$path"
        sep=", "
    done
    printf ']}\n'
} > "$work/show.json"

# Runs a command under /usr/bin/time -v; prints "seconds kilobytes".
measure() {
    /usr/bin/time -v -o "$work/time.txt" "$@" > /dev/null
    local wall rss
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt" |
        awk -F: '{ s = 0; for (i = 1; i <= NF; ++i) s = s * 60 + $i; print s }')
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
    echo "$wall $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: > "$work/cat.txt"; : > "$work/catsync.txt"; : > "$work/package.txt"
for run in $(seq 1 "$runs"); do
    rm -f "$work/out" "$work/out.pkg"
    measure bash -c 'cat "$@" > "$0"' "$work/out" "${sources[@]}" >> "$work/cat.txt"
    rm -f "$work/out"
    measure bash -c 'cat "$@" > "$0" && sync "$0"' "$work/out" "${sources[@]}" >> "$work/catsync.txt"
    rm -f "$work/out"
    measure "$cli" package "$work/show.json" "$work/out.pkg" >> "$work/package.txt"
    echo "run $run: cat $(tail -1 "$work/cat.txt"), cat+sync $(tail -1 "$work/catsync.txt"), package $(tail -1 "$work/package.txt")  (s KiB)"
done

package_bytes=$(stat -c %s "$work/out.pkg")
cat_s=$(cut -d' ' -f1 "$work/cat.txt" | median)
catsync_s=$(cut -d' ' -f1 "$work/catsync.txt" | median)
package_s=$(cut -d' ' -f1 "$work/package.txt" | median)
package_peak_kib=$(cut -d' ' -f2 "$work/package.txt" | sort -n | tail -1)
echo "sources: $files files, $(du -sm "$work/images" | cut -f1) MiB; package: $package_bytes bytes"
echo "median wall time: cat ${cat_s}s, cat+sync ${catsync_s}s, package ${package_s}s"
awk -v p="$package_s" -v c="$cat_s" -v s="$catsync_s" -v k="$package_peak_kib" 'BEGIN {
    printf "package / cat = %.2f, package / (cat+sync) = %.2f (target <= 1.2)\n", p / c, p / s
    printf "package peak resident memory: %.1f MiB (target < 64)\n", k / 1024
}'
