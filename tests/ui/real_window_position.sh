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
started=""
cleanup() {
    [ -n "$started" ] && kill "$started" 2>/dev/null
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
    local id
    for id in $(xdotool search --name '^Zyk Calc$' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
    done | tail -n 1
}
# The frame's left and top edge: the client's corner less the frame extents ("" before the
# window manager has framed the window).
frame_corner() {
    local id=$1 x y left top
    x=$(xwininfo -id "$id" 2>/dev/null | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$id" 2>/dev/null | sed -n 's/.*Absolute upper-left Y: *//p')
    read -r left _ top _ < <(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | sed 's/,//g')
    [ -n "$x" ] && [ -n "$left" ] && echo "$((x - left)) $((y - top))"
}
# Polls (a loaded machine is slow) until the window is framed and has stopped moving.
settled_corner() {
    local id="" last="" now tries
    for tries in $(seq 1 100); do
        [ -n "$id" ] || id=$(window)
        if [ -n "$id" ]; then
            now=$(frame_corner "$id")
            if [ -n "$now" ] && [ "$now" = "$last" ]; then
                echo "$id $now"
                return
            fi
            last=$now
        fi
        sleep 0.4
    done
}
# Polls until the frame stands at the expected corner, for twenty seconds at most; prints the
# window and the corner it has then.
corner_becomes() {
    local expected=$1 id="" now="" tries
    for tries in $(seq 1 100); do
        [ -n "$id" ] || id=$(window)
        [ -n "$id" ] && now=$(frame_corner "$id")
        [ "$now" = "$expected" ] && break
        sleep 0.2
    done
    echo "$id $now"
}
start() {
    "$zykcalc" --data-dir "$work" >/dev/null 2>&1 &
    started=$!
}
stop() {
    kill "$started" 2>/dev/null
    wait "$started" 2>/dev/null
}

printf '[Settings]\nLeft=300\nTop=200\n' >"$work/Zyk Calc.ini"
start
read -r id x y < <(corner_becomes "300 200")
[ -n "$id" ] || fail "no framed window"
[ "$x $y" = "300 200" ] || fail "frame at $x $y, stored 300 200"
xdotool windowmove "$id" 420 310
for tries in $(seq 1 50); do
    read -r _ mx my < <(settled_corner)
    [ "$mx $my" != "300 200" ] && break
    sleep 0.2
done
moved="$mx $my"
[ "$moved" != "300 200" ] || fail "the window did not move"
stop
for round in 1 2; do
    start
    read -r id x y < <(corner_becomes "$moved")
    [ "$x $y" = "$moved" ] || fail "restart $round: frame at $x $y, left at $moved"
    stop
done
echo "frame stays at $moved"
