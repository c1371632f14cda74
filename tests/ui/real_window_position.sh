#!/usr/bin/env bash
# The main window under a real X server and window manager comes back where it was left: its
# frame at the stored edges on start, and at the same place after a move and two restarts.
# Offscreen windows have no frame, so only a real one shows the frame-versus-client fault.
# Exit 77 (skipped) when Xvfb, openbox or xdotool is missing.
set -uo pipefail
zykcalc=$1
for tool in Xvfb openbox xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done

work=$(mktemp -d)
display=:$((50 + RANDOM % 400))
cleanup() {
    pkill -f "zykcalc --data-dir $work" 2>/dev/null
    kill "$wm" "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
export DISPLAY=$display

fail() { echo "FAIL: $*"; exit 1; }
window() {
    for id in $(xdotool search --sync --name '^Zyk Calc$'); do
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' && echo "$id"
    done | tail -n 1
}
# The frame's left and top edge: the client's corner less the frame extents.
frame_corner() {
    local id=$1 x y left top
    x=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left Y: *//p')
    read -r left _ top _ < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((x - left)) $((y - top))"
}
start() {
    "$zykcalc" --data-dir "$work" >/dev/null 2>&1 &
    sleep 2
}
stop() {
    pkill -f "zykcalc --data-dir $work"
    sleep 1
}

printf '[Settings]\nLeft=300\nTop=200\n' >"$work/Zyk Calc.ini"
start
id=$(window)
[ -n "$id" ] || fail "no window"
[ "$(frame_corner "$id")" = "300 200" ] || fail "frame at $(frame_corner "$id"), stored 300 200"
xdotool windowmove "$id" 420 310
sleep 1
moved=$(frame_corner "$id")
stop
for round in 1 2; do
    start
    id=$(window)
    [ "$(frame_corner "$id")" = "$moved" ] || fail "restart $round: frame at $(frame_corner "$id"), left at $moved"
    stop
done
echo "frame stays at $moved"
