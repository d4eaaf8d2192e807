#!/usr/bin/env bash
# The Windows saver (ProjectWin.krt) under Wine on an X server of its own (Xvfb, 1920×1080),
# in a throwaway Wine prefix with a virtual desktop of the screen's size.
#
#   bench/windows_saver_bench.sh BUILD_DIR effects
#       a 1920×1080 show that runs every effect once at ×8 with 1500 ms display times, played
#       full screen (/s --log); per effect the real time of the transition (the time between two
#       "transition" lines of --log less the display time) against its time on the virtual clock
#       (kremoa-cli play --simulate), and the ratio over all effects.
#   bench/windows_saver_bench.sh BUILD_DIR cpu [SECONDS]
#       a 1920×1080 show whose first slide stays 600 s; after the first frame, the processor time
#       of every process of the Wine prefix (saver, wineserver, desktop) and of the X server over
#       SECONDS (default 40) of one slide shown. Target: under 3 % of one core.
#   bench/windows_saver_bench.sh BUILD_DIR shots OUT_DIR
#       OUT_DIR/windows-fullscreen.png (/s) and OUT_DIR/windows-preview.png (/p in a 152×112
#       host window made by kremoa-probe), whole screens.
#   Also prints the size of ProjectWin.krt.
#
# Needs Xvfb, xdotool, wine64, xwd and ImageMagick's convert, and a build made with
# -DKREMOA_WINDOWS_RUNTIME=ON.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mode=$2
app=$build/app
probe=$build/windows-runtime/tests/windows/probe/kremoa-probe.exe
readonly width=1920 height=1080 display_time=1500 effect_count=35 fastest_speed=3
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

work=$(mktemp -d "$build/windows-bench.XXXXXX")
pids=
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    WINEPREFIX=$work/prefix "$wineserver" -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

echo "ProjectWin.krt: $(stat -c %s "$app/ProjectWin.krt") bytes"

: >"$work/number"
Xvfb -displayfd 3 -screen 0 ${width}x${height}x24 -nolisten tcp 3>"$work/number" >/dev/null 2>&1 &
xvfb=$!
pids="$pids $xvfb"
until [ -s "$work/number" ]; do sleep 0.05; done
export DISPLAY=:$(head -n 1 "$work/number")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
KREMOA_TEST_DISPLAY=$DISPLAY cmake -DWINE="$wine" -DWINESERVER="$wineserver" -DPREFIX="$WINEPREFIX" \
    -DDESKTOP=${width}x${height} -P "$top/tests/windows/WinePrefix.cmake" >/dev/null 2>&1

picture() {  # NAME FROM TO: a diagonal gradient with a frame, as a JPEG
    convert -size ${width}x${height} gradient:"$2"-"$3" -rotate 0 \
        -fill white -draw "rectangle 0,0 $((width - 1)),7" \
        -draw "rectangle 0,$((height - 8)) $((width - 1)),$((height - 1))" "$work/$1"
}

cli() { QT_QPA_PLATFORM=offscreen "$app/kremoa-cli" "$@"; }

# Starts the saver NAME.scr full screen with --log, its log in NAME.log.
start_saver() {
    "$wine" "$work/$1.scr" /s --log 2>"$work/$1.log" >/dev/null &
    saver=$!
    pids="$pids $saver"
}

wait_for_log() {  # NAME PATTERN COUNT
    for _ in $(seq 1200); do
        [ "$(grep -c "$2" "$work/$1.log" || true)" -ge "$3" ] && return 0
        sleep 0.1
    done
    echo "the saver did not log $3 × '$2'" >&2
    cat "$work/$1.log" >&2
    return 1
}

stop_saver() {
    xdotool key space
    wait "$saver" || true
}

# Milliseconds of every line "LABEL N: T ms" or "LABEL: T ms", in order.
times_of() { sed -n "s/^$2[^:]*: \([0-9]*\) ms.*/\1/p" "$work/$1.log"; }

effects() {
    picture a.jpg '#1a2a6c' '#fdbb2d'
    picture b.jpg '#b21f1f' '#1fb2b2'
    {
        printf '{"bgm": "", "backColor": 0, "canvasWidth": %d, "canvasHeight": %d, "slides": [' \
            $width $height
        for effect in $(seq 1 $((effect_count + 1))); do
            image=$work/a.jpg
            [ $((effect % 2)) -eq 0 ] && image=$work/b.jpg
            number=$effect
            [ "$effect" -gt $effect_count ] && number=0
            [ "$effect" -gt 1 ] && printf ','
            printf '{"image": "%s", "displayTime": %d, "effect": %d, "speed": %d}' \
                "$image" $display_time $number $fastest_speed
        done
        printf ']}\n'
    } >"$work/effects.json"
    cli build "$work/effects.json" --out "$work/Effects.scr" --target windows >/dev/null
    # Virtual start of each transition; transition k runs effect k.
    cli play "$work/effects.json" --simulate --transitions $((effect_count + 1)) |
        grep '"ev":"transition"' | sed 's/.*"t":\([0-9]*\).*/\1/' >"$work/virtual"

    start_saver Effects
    wait_for_log Effects '^transition' $effect_count
    stop_saver
    { times_of Effects 'first frame'; times_of Effects 'transition'; } >"$work/real"
    paste <(head -n $((effect_count + 1)) "$work/real") <(head -n $((effect_count + 1)) "$work/virtual") |
        awk -v display=$display_time -v count=$effect_count '
            NR == 1 { real = $1; virt = $2; print "effect  virtual ms  real ms  real/virtual"; next }
            NR <= count + 1 {
                r = $1 - real - display; v = $2 - virt - display
                printf "%6d  %10d  %7d  %12.2f\n", NR - 1, v, r, r / (v > 0 ? v : 1)
                realTotal += r; virtualTotal += v; real = $1; virt = $2
            }
            END { printf "all     %10d  %7d  %12.3f\n", virtualTotal, realTotal,
                  realTotal / (virtualTotal > 0 ? virtualTotal : 1) }'
}

ticks_of() {  # processor ticks (user + system) of the given processes
    local total=0 pid
    for pid in "$@"; do
        [ -r "/proc/$pid/stat" ] || continue
        total=$((total + $(sed 's/^.*) //' "/proc/$pid/stat" | awk '{print $12 + $13}')))
    done
    echo $total
}

prefix_processes() {  # every process started with this WINEPREFIX
    local pid
    for pid in $(ls /proc | grep '^[0-9]*$'); do
        # Processes come and go while the list is read; the ones gone or not ours are skipped.
        if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
        fi
    done
}

cpu() {
    local seconds=${1:-40}
    picture c.jpg '#0f2027' '#2c5364'
    printf '{"bgm": "", "backColor": 0, "canvasWidth": %d, "canvasHeight": %d, "slides": [%s]}\n' \
        $width $height \
        "{\"image\": \"$work/c.jpg\", \"displayTime\": 600000, \"effect\": 5}, {\"image\": \"$work/c.jpg\", \"displayTime\": 600000}" \
        >"$work/cpu.json"
    cli build "$work/cpu.json" --out "$work/Cpu.scr" --target windows >/dev/null
    start_saver Cpu
    wait_for_log Cpu '^first frame' 1
    sleep 2
    local processes
    processes="$(prefix_processes) $xvfb"
    local before after start end pid
    declare -A each
    for pid in $processes; do each[$pid]=$(ticks_of "$pid"); done
    before=$(ticks_of $processes)
    start=$(date +%s.%N)
    sleep "$seconds"
    after=$(ticks_of $processes)
    end=$(date +%s.%N)
    # Each process's share, to tell the saver's own wake-ups from Wine's and the X server's.
    for pid in $processes; do
        [ -r "/proc/$pid/comm" ] || continue
        printf '  %-20s %6d ticks\n' "$(cat "/proc/$pid/comm")" $(($(ticks_of "$pid") - ${each[$pid]}))
    done
    stop_saver
    awk -v ticks=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$start" -v e="$end" \
        -v n="$(echo $processes | wc -w)" 'BEGIN {
            wall = e - s; busy = ticks / hz
            printf "%.1f s of one slide shown: %.2f s of processor time in %d processes " \
                   "(Wine prefix + Xvfb): %.2f %% of one core (target < 3 %%)\n",
                   wall, busy, n, 100 * busy / wall }'
}

shots() {
    local out=$1
    mkdir -p "$out"
    convert -size ${width}x${height} gradient:'#1a2a6c'-'#fdbb2d' \
        -fill '#ff0000' -draw "rectangle 0,0 $((width / 2 - 1)),$((height / 2 - 1))" \
        -fill white -draw "rectangle 0,0 $((width - 1)),15" "$work/shot.jpg"
    printf '{"bgm": "", "backColor": 0, "canvasWidth": %d, "canvasHeight": %d, "slides": [{"image": "%s", "displayTime": 600000}]}\n' \
        $width $height "$work/shot.jpg" >"$work/shot.json"
    cli build "$work/shot.json" --out "$work/Shot.scr" --target windows >/dev/null
    start_saver Shot
    wait_for_log Shot '^first frame' 1
    sleep 1
    xwd -root | convert xwd:- "$out/windows-fullscreen.png"
    stop_saver
    "$wine" "$probe" host 152 112 --hold 8000 --bmp "Z:${work//\//\\}\\pane.bmp" -- \
        "Z:${work//\//\\}\\Shot.scr" >"$work/host.txt" 2>&1 &
    local host=$!
    sleep 6
    xwd -root | convert xwd:- -crop 400x300+0+0 "$out/windows-preview.png"
    wait "$host" || true
    cat "$work/host.txt"
    echo "pictures in $out"
}

case $mode in
effects) effects ;;
cpu) cpu "${3:-40}" ;;
shots) shots "${3:?an output folder}" ;;
*) echo "usage: $0 BUILD_DIR effects|cpu [SECONDS]|shots OUT_DIR" >&2; exit 2 ;;
esac
