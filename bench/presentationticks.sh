#!/usr/bin/env bash
# What presentation mode costs: one animation tick on each animated screen,
# painted, at the ordinary scale and at the factors `--fullscreen` chooses on
# classroom boards filled by the 800x600 window: 1.8 on 1920x1080 (the `@2x`
# pictures, reduced), 2.4 on 2560x1440 and 3.6 on 3840x2160 (the `@3x` ones,
# reduced and blown up), through the same twips scale the program sets. Prints
# one table of medians: each painted tick once its frames are kept, and the
# clue's first loop, in which each frame is read as the animation reaches it.
#
# Usage: bench/presentationticks.sh [BUILD_FOLDER]   (default: build-bench at the top)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${1:-$root/build-bench}")
if [ -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DQUORVANE_BENCHMARKS=ON > /dev/null
else
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUORVANE_BENCHMARKS=ON > /dev/null
fi
cmake --build "$build" --target screen_bench quorvane_pictures > "$build/presentation-build.log" 2>&1 ||
    { cat "$build/presentation-build.log" >&2; exit 1; }

work=$(mktemp -d /tmp/quorvane-presentation.XXXXXX)
trap 'rm -rf "$work"' EXIT
filter='timer1Tick.*paint:1|firstLoop'
scales=(1 1.8 2.4 3.6)
for scale in "${scales[@]}"; do
    QT_QPA_PLATFORM=offscreen "$build/bench/screen_bench" --scale="$scale" \
        --benchmark_filter="$filter" --benchmark_format=csv --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true > "$work/$scale" 2> "$work/$scale.log" ||
        { cat "$work/$scale.log" >&2; exit 1; }
done
printf '%-28s' "painted tick (median cpu)"
printf ' %12s' "${scales[@]/%/x}"
printf '\n'
awk -F, 'FNR == 1 { file++ } $1 ~ /_median"$/ {
            name = $1; gsub(/"|_median/, "", name)
            if (file == 1) { order[++n] = name; unit[name] = $5 }
            cpu[name, file] = $4 }
         END { for (i = 1; i <= n; i++) { k = order[i]; printf "%-28s", k
                 for (f = 1; f <= file; f++) printf " %9.3f %s", cpu[k, f], unit[k]
                 printf "\n" } }' "${scales[@]/#/$work/}"
