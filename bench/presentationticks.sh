#!/usr/bin/env bash
# What presentation mode costs: one animation tick on each animated screen,
# painted, at the ordinary scale and at 1.8 device pixels a pixel (a 1920x1080
# classroom board filled by the 800x600 window, the factor `--fullscreen`
# chooses there), through the same Qt scaling the program sets. Prints one
# table of medians.
#
# Usage: bench/presentationticks.sh [BUILD_FOLDER]   (default: build-bench at the top)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${1:-$root/build-bench}")
[ -f "$build/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" --target screen_bench quorvane_pictures > "$build/presentation-build.log" 2>&1 ||
    { cat "$build/presentation-build.log" >&2; exit 1; }

work=$(mktemp -d /tmp/quorvane-presentation.XXXXXX)
trap 'rm -rf "$work"' EXIT
filter='timer1Tick.*paint:1'
for scale in 1 1.8; do
    QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=offscreen "$build/bench/screen_bench" \
        --benchmark_filter="$filter" --benchmark_format=csv --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true > "$work/$scale.csv" 2> "$work/$scale.log" ||
        { cat "$work/$scale.log" >&2; exit 1; }
done
printf '%-28s %12s %12s %7s\n' "painted tick (median cpu)" "at 1x" "at 1.8x" "ratio"
awk -F, 'FNR == 1 { file++ } $1 ~ /_median"$/ {
            name = $1; gsub(/"|_median/, "", name)
            if (file == 1) { one[name] = $4; order[++n] = name; unit[name] = $5 }
            else big[name] = $4 }
         END { for (i = 1; i <= n; i++) { k = order[i]
                 printf "%-28s %9.3f %s %9.3f %s %6.2fx\n", k, one[k], unit[k], big[k], unit[k],
                        big[k] / one[k] } }' "$work/1.csv" "$work/1.8.csv"
