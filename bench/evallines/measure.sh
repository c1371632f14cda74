#!/usr/bin/env bash
# Lines per second of "zykcalc --eval -" beside "bc -l" over the same arithmetic, in one run.
#
#   bench/evallines/measure.sh [-n RUNS] [-l LINES] [ZYKCALC]
#
# Generates LINES (default 1,000,000) short expressions of four kinds (a+b*c, (a-b)/c, a.b*c-b,
# a/b+c; none chains * and /, so both programs compute the same thing), then runs ZYKCALC
# (default ./build/zykcalc) and bc -l over the file in turn, RUNS times each (default 3, after one
# warm-up run each), output to a file. Prints the median wall time and CPU time (user + system,
# steadier on a busy machine) with the lines per second of each, and checks that zykcalc printed
# one line per input line. zykcalc runs with a temporary
# --data-dir, so the user's settings are not touched.
#
# Needs: bc (Debian: bc).
set -euo pipefail

runs=3
lines=1000000
while getopts "n:l:h" option; do
    case $option in
        n) runs=$OPTARG ;;
        l) lines=$OPTARG ;;
        *) sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
zykcalc=${1:-./build/zykcalc}
for value in "$runs" "$lines"; do
    case $value in ''|*[!0-9]*|0) echo "measure.sh: RUNS and LINES must be positive numbers" >&2; exit 2 ;; esac
done
command -v bc >/dev/null || { echo "measure.sh: bc is not installed" >&2; exit 2; }
[ -x "$zykcalc" ] || { echo "measure.sh: $zykcalc is not an executable" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v n="$lines" 'BEGIN {
    srand(7)
    for (i = 0; i < n; i++) {
        a = int(rand() * 999) + 1; b = int(rand() * 99) + 1; c = int(rand() * 9) + 1
        k = i % 4
        if (k == 0) print a "+" b "*" c
        else if (k == 1) print "(" a "-" b ")/" c
        else if (k == 2) print a "." b "*" c "-" b
        else print a "/" b "+" c
    }
}' >"$work/lines.txt"

# run_once NAME COMMAND...: "wall-ms cpu-ms" of one run, stdin from the lines, stdout to a file.
run_once() {
    local name=$1
    shift
    local TIMEFORMAT='%R %U %S'
    local times
    times=$({ time "$@" <"$work/lines.txt" >"$work/$name.out" 2>/dev/null; } 2>&1)
    awk -v t="$times" 'BEGIN { split(t, f, " "); printf "%d %d\n", f[1] * 1000, (f[2] + f[3]) * 1000 }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

mkdir "$work/data"
zyk=(env "$zykcalc" --data-dir "$work/data" --eval -)
bcl=(bc -l)
: >"$work/zyk.ms"
: >"$work/bc.ms"
run_once zyk "${zyk[@]}" >/dev/null
run_once bc "${bcl[@]}" >/dev/null
for run in $(seq 1 "$runs"); do
    # Alternate the two programs so that drifts of the machine hit both alike.
    ms=$(run_once zyk "${zyk[@]}")
    echo "run $run: zykcalc --eval -: $ms (wall ms, cpu ms)" >&2
    echo "$ms" >>"$work/zyk.ms"
    ms=$(run_once bc "${bcl[@]}")
    echo "run $run: bc -l: $ms (wall ms, cpu ms)" >&2
    echo "$ms" >>"$work/bc.ms"
done
printed=$(wc -l <"$work/zyk.out")
[ "$printed" -eq "$lines" ] || { echo "measure.sh: zykcalc printed $printed lines for $lines" >&2; exit 1; }

# report NAME FILE: medians of wall and CPU time, and the lines per second of each.
report() {
    local name=$1 file=$2 wall cpu
    wall=$(cut -d' ' -f1 "$file" | median)
    cpu=$(cut -d' ' -f2 "$file" | median)
    awk -v name="$name" -v n="$lines" -v wall="$wall" -v cpu="$cpu" 'BEGIN {
        printf "%-18s %9d %13.0f %9d %13.0f\n", name, wall, (wall > 0 ? n * 1000 / wall : 0),
            cpu, (cpu > 0 ? n * 1000 / cpu : 0)
    }'
}
echo "$lines lines"
printf '%-18s %9s %13s %9s %13s\n' "program" "wall ms" "lines/s" "cpu ms" "lines/s (cpu)"
report "zykcalc --eval -" "$work/zyk.ms"
report "bc -l" "$work/bc.ms"
