#!/usr/bin/env bash
# Start-up time and memory of a window program, next to SpeedCrunch measured the same way.
#
#   bench/startup/measure.sh [-n RUNS] [-t SECONDS] [-w] TITLE COMMAND [ARGUMENTS...]
#
# Starts a private Xvfb display, then runs COMMAND and SpeedCrunch in turn, RUNS times each
# (default 11, after one warm-up run each that fills the disk cache and is not counted). For every
# run it measures the time from starting the process until a visible window whose name matches
# TITLE (an xdotool regular expression, searched as by "xdotool search --onlyvisible --name")
# exists, and the process's resident memory at that moment. Prints the median of each, in
# milliseconds and MiB. Each run gets an empty temporary HOME (a first start), so neither program
# reads or writes the user's own settings; with -w each program keeps one HOME from its warm-up
# run on (a usual start, settings already written). When COMMAND understands --startup-time, it
# is then also run RUNS times with it, and the medians of the figures it measures inside itself
# (time to the first paint, CPU time until then) are printed: steadier on a busy machine.
#
# Example:  bench/startup/measure.sh -n 11 '^Zyk Calc$' ./build/zykcalc
# Needs: Xvfb, xdotool, speedcrunch (Debian: xvfb xdotool speedcrunch).
set -euo pipefail

runs=11
timeout_seconds=20
warm=""
while getopts "n:t:wh" option; do
    case $option in
        n) runs=$OPTARG ;;
        t) timeout_seconds=$OPTARG ;;
        w) warm=yes ;;
        *) sed -n '2,19p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
if [ $# -lt 2 ]; then
    sed -n '2,19p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
fi
title=$1
shift
command=("$@")
reference_title='SpeedCrunch'
reference_command=(speedcrunch)

for tool in Xvfb xdotool speedcrunch; do
    command -v "$tool" >/dev/null || { echo "measure.sh: $tool is not installed" >&2; exit 2; }
done
case $runs in ''|*[!0-9]*|0) echo "measure.sh: RUNS must be a positive number" >&2; exit 2 ;; esac

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses, chosen by Xvfb itself (-displayfd): picking a number that looks
# free and then starting Xvfb on it races with other measurements started at the same moment, and
# the loser's programs end up on a display that goes away under them.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 200); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "measure.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 1 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.05
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "measure.sh: Xvfb did not start" >&2; exit 1; }

# home_for TITLE: the HOME of one run (a fresh one, or with -w the program's own).
home_for() {
    if [ -n "$warm" ]; then
        local home="$work/warm-$(printf '%s' "$1" | md5sum | cut -c1-8)"
        mkdir -p "$home"
        echo "$home"
    else
        mktemp -d "$work/home.XXXXXX"
    fi
}

# measure_once TITLE COMMAND...: prints "milliseconds kilobytes", or "fail".
measure_once() {
    local window_title=$1
    shift
    local home
    home=$(home_for "$window_title")
    local start end pid rss
    start=$(date +%s%N)
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
        XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home "$@" >"$home/output.log" 2>&1 &
    pid=$!
    # The search of "xdotool search --sync --onlyvisible --name", repeated every 10 ms: --sync
    # itself waits half a second between tries, too coarse for a start-up time.
    local deadline=$((start + timeout_seconds * 1000000000))
    end=""
    while [ "$(date +%s%N)" -lt "$deadline" ] && kill -0 "$pid" 2>/dev/null; do
        if xdotool search --onlyvisible --name "$window_title" >/dev/null 2>&1; then
            end=$(date +%s%N)
            break
        fi
        sleep 0.01
    done
    if [ -n "$end" ]; then
        rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
        echo "$(((end - start) / 1000000)) ${rss:-0}"
    else
        echo "fail"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) { print "-" } else if (NR % 2) { print v[(NR + 1) / 2] } else { print (v[NR / 2] + v[NR / 2 + 1]) / 2 } }'
}

: >"$work/measured.txt"
: >"$work/reference.txt"
measure_once "$title" "${command[@]}" >/dev/null
measure_once "$reference_title" "${reference_command[@]}" >/dev/null
for run in $(seq 1 "$runs"); do
    # Alternate the two programs so that drifts of the machine hit both alike.
    result=$(measure_once "$title" "${command[@]}")
    echo "run $run: ${command[0]}: $result" >&2
    [ "$result" != fail ] && echo "$result" >>"$work/measured.txt"
    result=$(measure_once "$reference_title" "${reference_command[@]}")
    echo "run $run: speedcrunch: $result" >&2
    [ "$result" != fail ] && echo "$result" >>"$work/reference.txt"
done

report() {
    local name=$1 file=$2
    local count ms rss
    count=$(wc -l <"$file")
    ms=$(cut -d' ' -f1 "$file" | median)
    rss=$(cut -d' ' -f2 "$file" | median)
    if [ "$rss" != "-" ]; then
        rss=$(awk -v kb="$rss" 'BEGIN { printf "%.1f", kb / 1024 }')
    fi
    printf '%-28s %12s %14s %8s\n' "$name" "$ms" "$rss" "$count/$runs"
}

printf '%-28s %12s %14s %8s\n' "program" "median ms" "median RSS MiB" "runs"
report "$(basename "${command[0]}")" "$work/measured.txt"
report "speedcrunch" "$work/reference.txt"

# The program's own figures: "first paint: N ms after the start (...)" and "CPU time until the
# first paint: N ms (...)", from --startup-time.
home=$(home_for "$title")
if HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home timeout "$timeout_seconds" \
    "${command[@]}" --startup-time 2>/dev/null | grep -q '^first paint: '; then
    : >"$work/inside.txt"
    for run in $(seq 1 "$runs"); do
        home=$(home_for "$title")
        HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
            XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home timeout "$timeout_seconds" \
            "${command[@]}" --startup-time 2>/dev/null |
            awk '/^first paint: / { w = $3 } /^CPU time until/ { c = $7 } END { print w, c }' \
                >>"$work/inside.txt"
    done
    printf '%-28s %12s %14s %8s\n' "$(basename "${command[0]}") --startup-time" \
        "$(cut -d' ' -f1 "$work/inside.txt" | median)" \
        "cpu $(cut -d' ' -f2 "$work/inside.txt" | median) ms" "$runs/$runs"
fi
# A program whose window never appeared in any run is a failure of the measurement.
[ -s "$work/measured.txt" ] && [ -s "$work/reference.txt" ]
