#!/usr/bin/env bash
# What a translation costs at start-up: the program started in English
# (LANG=C) and in German (LANG=de_DE.UTF-8), alternately, each timed from its
# start until its title window is mapped, on a private Xvfb. Prints the
# medians and their difference, which must stay within 2 ms.
#
# Usage: bench/languagestart.sh [BUILD_FOLDER]   (default: build-bench at the top)
# Environment: QUORVANE_BENCH_STARTS (starts in each language, default 40).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${1:-$root/build-bench}")
starts=${QUORVANE_BENCH_STARTS:-40}

echo "Building into $build ..." >&2
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_BENCHMARKS=ON \
    > /dev/null
cmake --build "$build" --target quorvane quorvane_lrelease window_watcher \
    > "$build/bench-build.log" 2>&1 || { cat "$build/bench-build.log" >&2; exit 1; }
program=$build/run/quorvane
watcher=$build/bench/window_watcher

work=$(mktemp -d /tmp/quorvane-bench.XXXXXX)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset > "$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES
cd "$build/run"

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# The middle half of the starts, "lower to upper quartile", to show how much the machine's load spreads them.
quartiles() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f to %.1f", v[int(NR / 4) + 1], v[int(3 * NR / 4)] }'; }
start() { LANG=$1 "$watcher" "$program" 2>> "$work/start.log"; }

echo "Starting the program $starts times in each language ..." >&2
start C > /dev/null
start de_DE.UTF-8 > /dev/null
for i in $(seq "$starts"); do
    if ((i % 2)); then order=(C de_DE.UTF-8); else order=(de_DE.UTF-8 C); fi
    for lang in "${order[@]}"; do start "$lang" >> "$work/$lang.ms"; done
done
english=$(median < "$work/C.ms")
german=$(median < "$work/de_DE.UTF-8.ms")
echo "Load average $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
printf '| %-48s | %18s |\n' "start-up to title window, English (LANG=C)" "$english ms" \
    "start-up to title window, German (de_DE.UTF-8)" "$german ms" \
    "  middle half of the English starts" "$(quartiles < "$work/C.ms") ms" \
    "  middle half of the German starts" "$(quartiles < "$work/de_DE.UTF-8.ms") ms" \
    "German minus English (target at most 2 ms)" \
    "$(awk -v g="$german" -v e="$english" 'BEGIN { printf "%.1f", g - e }') ms"
