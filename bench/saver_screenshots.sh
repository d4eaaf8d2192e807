#!/bin/sh
# Pictures of a built saver where Linux shows it, each on an X server of its own (Xvfb):
#   preview-pane.png  in a 725×407 host window on a 1600×1000 screen (xscreensaver's settings)
#   small-host.png    in a 400×300 host window (an xlogo window)
#   two-monitors.png  /s on a server with two screens, side by side (the second one is black)
# The show is one 1280×720 picture drawn here, so the hosts show it scaled down.
#
#   bench/saver_screenshots.sh BUILD_DIR OUT_DIR
#
# Needs Xvfb, xlogo, xwininfo, xwd (packages xvfb, x11-apps, x11-utils) and ImageMagick's convert.
set -eu
build=$(cd "$1" && pwd)
out=$2
mkdir -p "$out"
work=$(mktemp -d)
chmod 700 "$work"
pids=
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# A server of its own, on a number it picks; sets $display.
start_server() {
    : >"$work/number"
    Xvfb -displayfd 3 "$@" -nolisten tcp 3>"$work/number" >/dev/null 2>&1 &
    pids="$pids $!"
    until [ -s "$work/number" ]; do sleep 0.05; done
    display=:$(head -n 1 "$work/number")
}

convert -size 1280x720 gradient:'#1a2a6c'-'#fdbb2d' \
    "$build/demo/flower.jpg" -gravity center -geometry +0+0 -composite \
    -fill white -draw 'rectangle 0,0 1279,7' -draw 'rectangle 0,712 1279,719' \
    -draw 'rectangle 0,0 7,719' -draw 'rectangle 1272,0 1279,719' "$work/picture.jpg"
cat >"$work/show.json" <<EOF
{"bgm": "", "backColor": 0, "canvasWidth": 1280, "canvasHeight": 720,
 "slides": [{"image": "$work/picture.jpg", "displayTime": 600000}]}
EOF
QT_QPA_PLATFORM=offscreen "$build/app/kremoa-cli" build "$work/show.json" \
    --out "$work/Shots.scr" --description "スクリーンショット" >/dev/null 2>&1

run_saver() {
    DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$work \
        "$work/Shots.scr" "$@" &
    pids="$pids $!"
    sleep 2
}

# A host window of the given geometry (an xlogo, which the saver draws over); sets $host.
make_host() {
    DISPLAY=$display xlogo -geometry "$1" &
    pids="$pids $!"
    host=
    while [ -z "$host" ]; do
        sleep 0.1
        host=$(DISPLAY=$display xwininfo -name xlogo 2>/dev/null | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
    done
}

start_server -screen 0 1600x1000x24
make_host 725x407+437+296
run_saver --window-id "$host"
xwd -root -display "$display" | convert xwd:- "$out/preview-pane.png"

start_server -screen 0 1024x768x24
make_host 400x300+312+234
run_saver -window-id "$host"
xwd -root -display "$display" | convert xwd:- "$out/small-host.png"

start_server -screen 0 1280x800x24 -screen 1 1024x768x24
run_saver /s
xwd -root -display "$display.0" | convert xwd:- "$work/screen0.png"
xwd -root -display "$display.1" | convert xwd:- "$work/screen1.png"
convert "$work/screen0.png" "$work/screen1.png" -background '#808080' -splice 8x0 +append \
    "$out/two-monitors.png"
echo "pictures in $out"
