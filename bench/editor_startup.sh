#!/bin/sh
# Start-up of the real `kremoa` process with a workspace on its command line, on a virtual X
# display: milliseconds from launch until the main window is mapped (the workspace is opened
# before the window is shown, so a mapped window is a usable one). Target: under 2000 ms.
#
#   bench/editor_startup.sh BUILD_DIR WORKSPACE [RUNS]
#
# EditorBench FOLDER leaves a 200-photo workspace at FOLDER/show.kwp.
set -eu
build=$1
workspace=$2
runs=${3:-3}
display=:97

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null' EXIT
sleep 1

i=0
while [ "$i" -lt "$runs" ]; do
    start=$(date +%s%N)
    DISPLAY=$display "$build/app/kremoa" "$workspace" >/dev/null 2>&1 &
    editor=$!
    # Polled gently: a busy poll would take the CPU from the program it measures.
    until DISPLAY=$display xwininfo -name クレモア 2>/dev/null | grep -q 'IsViewable'; do
        sleep 0.05
    done
    end=$(date +%s%N)
    echo "start-up to a mapped window: $(( (end - start) / 1000000 )) ms"
    kill "$editor"
    wait "$editor" 2>/dev/null || true
    i=$((i + 1))
done
