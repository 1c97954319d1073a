#!/usr/bin/env bash
# Quillamp's start-up beside a bare Qt program that shows the same widgets, each run until its
# window's first frame is painted: instructions (valgrind's callgrind; steady on a busy
# machine), wall-clock median and median peak resident memory (GNU time).
#   bench/startup/compare.sh BUILD_DIR [RUNS]
# BUILD_DIR is a Release build. The comparison runs on the offscreen platform and, when
# xvfb-run is installed, again on xcb inside one Xvfb session.
set -euo pipefail

if [[ $# -lt 1 ]]; then
    echo "usage: $0 BUILD_DIR [RUNS]" >&2
    exit 64
fi
build=$(cd "$1" && pwd)
runs=${2:-20}
platform=${STARTUP_PLATFORM:-offscreen}
target=1.10
quillamp=$build/bench/startup/startup_quillamp
bare=$build/bench/startup/startup_bare

for tool in valgrind /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 69; }
done
for program in "$quillamp" "$bare"; do
    [[ -x $program ]] || { echo "$program is not built" >&2; exit 66; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=$platform
# Qt warns once per run without it; the two programs share this one.
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Instructions from start to exit; the median of three, as hash seeds vary a little.
instructions() {
    local program=$1 i
    for i in 1 2 3; do
        valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$program" \
            >/dev/null 2>&1
        awk '/^(summary|totals):/ { print $2; exit }' "$work/callgrind.out"
    done | median
}

# Wall-clock medians in milliseconds of both programs, "quillamp bare". The runs alternate,
# first one then the other leading, so a build or a burst of load elsewhere on the machine
# falls on both alike (hyperfine would time all of one program's runs, then the other's).
wall_ms() {
    local i name start order
    for ((i = 0; i < 3; i++)); do
        "$quillamp" >/dev/null 2>&1
        "$bare" >/dev/null 2>&1
    done
    for ((i = 0; i < runs; i++)); do
        if ((i % 2 == 0)); then order=(quillamp bare); else order=(bare quillamp); fi
        for name in "${order[@]}"; do
            start=$EPOCHREALTIME
            "${!name}" >/dev/null 2>&1
            echo "$name $start $EPOCHREALTIME"
        done
    done >"$work/wall"
    for name in quillamp bare; do
        awk -v name="$name" '$1 == name { print ($3 - $2) * 1000 }' "$work/wall" | median
    done | paste -s -d ' '
}

# Peak resident set in KiB, median of several runs.
peak_kib() {
    local program=$1 i
    for ((i = 0; i < 9; i++)); do
        /usr/bin/time -f %M -o "$work/time" "$program" >/dev/null 2>&1
        tail -n 1 "$work/time"
    done | median
}

row() {
    awk -v name="$1" -v q="$2" -v b="$3" -v format="$4" -v target="$target" 'BEGIN {
        ratio = q / b
        printf "%-24s " format " " format "  %6.3f  %s\n", name, q, b, ratio,
               ratio <= target ? "yes" : "NO"
    }'
}

for program in "$quillamp" "$bare"; do
    "$program" >/dev/null 2>&1 || { echo "$program failed on $platform" >&2; exit 70; }
done

echo "platform: $platform ($runs timed runs; Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?'))"
printf "%-24s %14s %14s  %6s  %s\n" "measure" "quillamp" "bare" "ratio" "within ${target}x"
row "instructions (Ir)" "$(instructions "$quillamp")" "$(instructions "$bare")" "%14d"
read -r wall_quillamp wall_bare < <(wall_ms)
row "wall-clock median (ms)" "$wall_quillamp" "$wall_bare" "%14.1f"
row "peak RSS median (KiB)" "$(peak_kib "$quillamp")" "$(peak_kib "$bare")" "%14d"

if [[ $platform == offscreen && -z ${STARTUP_PLATFORM:-} ]] && command -v xvfb-run >/dev/null; then
    echo
    STARTUP_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$BASH" "$0" "$build" "$runs"
fi
