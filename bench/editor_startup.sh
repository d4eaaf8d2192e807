#!/bin/sh
# Start-up of the real `kremoa` process with a workspace on its command line, on a virtual X
# display: milliseconds from launch until the main window is mapped (the workspace is opened
# before the window is shown, so a mapped window is a usable one), and the processor time the
# program used by then, which other work on the machine does not inflate. Target: under 1000 ms.
#
#   bench/editor_startup.sh BUILD_DIR WORKSPACE [RUNS]
#
# EditorBench FOLDER leaves its 220-photo workspace at FOLDER/show.kwp. Needs Xvfb and xwininfo
# (packages xvfb and x11-utils). Every run gets an X server of its own on a display number the
# server picks itself, so runs never meet another program's server: a server whose client was
# killed can stop answering new clients.
set -eu
build=$1
workspace=$2
runs=${3:-3}
ticks=$(getconf CLK_TCK)

server=
editor=
numbers=$(mktemp)
cleanup() {
    [ -n "$editor" ] && kill "$editor" 2>/dev/null || true
    [ -n "$server" ] && kill "$server" 2>/dev/null || true
    rm -f "$numbers"
}
trap cleanup EXIT

i=0
while [ "$i" -lt "$runs" ]; do
    : >"$numbers"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$numbers" >/dev/null 2>&1 &
    server=$!
    # The server writes its display number once it takes clients.
    until [ -s "$numbers" ]; do sleep 0.05; done
    display=:$(head -n 1 "$numbers")

    start=$(date +%s%N)
    DISPLAY=$display "$build/app/kremoa" "$workspace" >/dev/null 2>&1 &
    editor=$!
    # Polled gently: a busy poll would take the processor from the program it measures.
    waited=0
    until DISPLAY=$display xwininfo -name クレモア 2>/dev/null | grep -q 'IsViewable'; do
        if ! kill -0 "$editor" 2>/dev/null || [ "$waited" -ge 600 ]; then
            echo "kremoa did not show its window" >&2
            exit 1
        fi
        sleep 0.05
        waited=$((waited + 1))
    done
    end=$(date +%s%N)
    cpu=$(awk -v ticks="$ticks" '{print int(($14 + $15) * 1000 / ticks)}' "/proc/$editor/stat")
    echo "start-up to a mapped window: $(( (end - start) / 1000000 )) ms" \
        "(kremoa's processor time ${cpu} ms; load $(cut -d' ' -f1 /proc/loadavg))"

    kill "$editor"
    wait "$editor" 2>/dev/null || true
    editor=
    kill "$server"
    wait "$server" 2>/dev/null || true
    server=
    i=$((i + 1))
done
