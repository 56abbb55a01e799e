#!/usr/bin/env bash
# Measures what a classroom projector running Quorvane 2 all morning cares
# about, and prints one table:
#   1. start-up to the title window mapped, against a bare Qt window of the
#      same size started the same way (median of several starts each);
#   2. one animation tick on each animated screen, and one press on the
#      Hamilton graph with the window repainted (Google Benchmark);
#   3. processor time, of the program and of the X server, while the title,
#      Duality and Hamilton clue animations run, each against bench/frame_peer
#      (a plain Qt program showing the same frames) run alternately with it;
#   4. peak memory after a tour of every screen, and resident memory after one
#      tour and after many more (a program that leaks grows between the two).
#
# Usage: bench/run.sh [BUILD_FOLDER]      (default: build-bench at the top)
# Environment: QUORVANE_BENCH_STARTS (starts of each program, default 20),
#              QUORVANE_BENCH_SECONDS (seconds of each processor sample, default 10),
#              QUORVANE_BENCH_ROUNDS (program and peer runs on each screen, default 3),
#              QUORVANE_BENCH_PARTS (which of "startup ticks cpu memory" to run, default all),
#              QUORVANE_BENCH_TOURS (extra tours for the memory check, default 10).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${1:-$root/build-bench}")
starts=${QUORVANE_BENCH_STARTS:-20}
sample_seconds=${QUORVANE_BENCH_SECONDS:-10}
tours=${QUORVANE_BENCH_TOURS:-10}
rounds=${QUORVANE_BENCH_ROUNDS:-3}
parts=" ${QUORVANE_BENCH_PARTS:-startup ticks cpu memory} "
wanted() { [[ "$parts" == *" $1 "* ]]; }

for tool in cmake ninja Xvfb xdotool strace awk; do
    command -v "$tool" > /dev/null || { echo "run.sh needs $tool" >&2; exit 1; }
done
# Google Benchmark is needed only here, so the program's own set-up leaves it out.
dpkg-query -W -f='${Status}' libbenchmark-dev 2> /dev/null | grep -q 'install ok installed' ||
    { echo "run.sh needs Google Benchmark: apt-get install libbenchmark-dev" >&2; exit 1; }

echo "Building into $build ..." >&2
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_BENCHMARKS=ON \
    > /dev/null
cmake --build "$build" --target quorvane quorvane_pictures bare_window window_watcher screen_bench frame_peer \
    > "$build/bench-build.log" 2>&1 || { cat "$build/bench-build.log" >&2; exit 1; }

program=$build/run/quorvane
bare=$build/bench/bare_window
watcher=$build/bench/window_watcher
screen_bench=$build/bench/screen_bench
peer=$build/bench/frame_peer

work=$(mktemp -d /tmp/quorvane-bench.XXXXXX)
app=""
xvfb=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2> /dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A private X server of the classroom size the screens are designed for.
. "$root/tests/support/privatexvfb.sh"
private_xvfb "$work" 800x600 >&2 || exit 1

# The program is started from its run folder, as a teacher would start it.
cd "$build/run"

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# ---- 1. Start-up -------------------------------------------------------------
if wanted startup; then
    echo "Starting each program $starts times ..." >&2
    # One start of each first, so that neither pays for cold disk caches alone.
    "$watcher" "$bare" > /dev/null 2>> "$work/start.log" || true
    "$watcher" "$program" > /dev/null 2>> "$work/start.log" || true
    for i in $(seq "$starts"); do
        # Alternating which goes first spreads any drift in the machine's load evenly.
        if ((i % 2)); then order=("$bare" "$program"); else order=("$program" "$bare"); fi
        for p in "${order[@]}"; do
            ms=$("$watcher" "$p" 2>> "$work/start.log") ||
                { echo "a start failed:" >&2; cat "$work/start.log" >&2; exit 1; }
            if [ "$p" = "$bare" ]; then echo "$ms" >> "$work/bare.ms"; else echo "$ms" >> "$work/program.ms"; fi
        done
    done
    bare_ms=$(median < "$work/bare.ms")
    program_ms=$(median < "$work/program.ms")
    start_ratio=$(awk -v a="$program_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", a / b }')
fi

# ---- 2. Ticks and presses ----------------------------------------------------
if wanted ticks; then
    echo "Timing ticks and presses ..." >&2
    "$screen_bench" --benchmark_format=csv --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true > "$work/screen.csv" 2> "$work/screen.log" ||
        { cat "$work/screen.log" >&2; exit 1; }
    if grep -q ',true,' "$work/screen.csv"; then
        echo "a benchmark failed:" >&2
        grep ',true,' "$work/screen.csv" >&2
        exit 1
    fi
fi
# "name_median",iterations,real_time,cpu_time,time_unit,...: prints "cpu real unit" of the median.
bench_row() {
    [ -f "$work/screen.csv" ] || return 0
    awk -F, -v want="\"$1_median\"" '$1 == want { printf "%.3f %.3f %s", $4, $3, $5 }' "$work/screen.csv"
}

# ---- 3. Processor time while animating, against a plain Qt program ------------
# Each animated screen is compared with bench/frame_peer showing the same
# frames at the same pace: a fresh program is started and clicked through to
# the screen, then a fresh peer, alternating which goes first, each sampled for
# the same time. Both draw through the one private X server, whose share is
# sampled alongside.
clock_ticks=$(getconf CLK_TCK)
ticks_of() {  # utime + stime; the name field "(quorvane)" holds no spaces
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}
# Sets sample_cpu and sample_x to the percent of one core used by process $1
# and by the X server over the sample, taken after $2 seconds of warming up.
cpu_sample() {
    sleep "$2"
    local t0 c0 x0 t1 c1 x1
    t0=$(date +%s.%N)
    c0=$(ticks_of "$1")
    x0=$(ticks_of "$xvfb")
    sleep "$sample_seconds"
    c1=$(ticks_of "$1")
    x1=$(ticks_of "$xvfb")
    t1=$(date +%s.%N)
    read -r sample_cpu sample_x < <(awk -v c="$((c1 - c0))" -v x="$((x1 - x0))" -v hz="$clock_ticks" \
        -v t0="$t0" -v t1="$t1" \
        'BEGIN { printf "%.2f %.2f\n", 100 * c / hz / (t1 - t0), 100 * x / hz / (t1 - t0) }')
}
window_of() {  # the visible window with this exact title
    xdotool search --sync --onlyvisible --name "^$1\$" 2> /dev/null | head -n 1
}
# Clicks at a pixel of a window's inner area, given in twips as the screens place their controls.
click_twips() {
    local window
    window=$(window_of "$1")
    [ -n "$window" ] || { echo "no window titled \"$1\"" >&2; return 1; }
    xdotool mousemove --window "$window" $(($2 / 15)) $(($3 / 15)) click 1
    sleep 0.5
}
expect_window() {
    timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" > /dev/null 2>&1 ||
        { echo "the window \"$1\" did not appear" >&2; exit 1; }
}
vm() { awk -v key="$1:" '$1 == key { printf "%.1f", $2 / 1024 }' "/proc/$app/status"; }
start_program() {
    read -r _ app < <("$watcher" --keep "$program" 2>> "$work/program.log")
    [ -n "$app" ] || { echo "the program did not start:" >&2; cat "$work/program.log" >&2; exit 1; }
    expect_window " "
}
stop_app() {
    kill "$app" 2> /dev/null || true
    while kill -0 "$app" 2> /dev/null; do sleep 0.1; done
    app=""
}

# The middle of each control the tour clicks, in twips within its window.
title_ok=(1987 6097)           # Titlefrm Command1, inside Frame1 (which sits 90 twips up)
menu_duality=(8737 2767)       # intro0 Label5(0)
menu_voyage=(8737 4267)        # intro0 Label5(2)
menu_exit=(982 8197)           # intro0 Command1
activity_exit=(982 8197)       # cmdexit of duality and hamilton
duality_jotter=(10942 7702)    # duality cmdjotter
hamilton_clue=(9277 1687)      # hamilton Label2, "Show Clue"
hamilton_title="Hamilton's Voyage Around the World"

# Seconds before sampling: the program reads and keeps each frame the first
# time it shows it, as the peer does before its window appears, so each screen
# is sampled once the first loop of its longest sequence is over.
declare -A warm_up=([title]=2 [duality]=3 [hamilton]=7)

# Where each screen shows its frames, in pixels of the window's inner area:
# interval, window width and height, picture left, top, width, height.
title_geometry=(25 364 438 20 82 320 240)      # Titlefrm Picture1 inside Frame1
activity_geometry=(50 800 600 456 16 324 244)  # Image2 of duality and hamilton

# Runs the program on one screen and samples it; sets sample_cpu, sample_x and
# sequence (the frames it shows, as the peer names them: prefix and count).
program_on() {
    start_program
    sequence="recip1/reci 25"
    case "$1" in
        hamilton)
            click_twips " " "${title_ok[@]}"
            expect_window "Quorvane 2"
            click_twips "Quorvane 2" "${menu_voyage[@]}"
            expect_window "$hamilton_title"
            click_twips "$hamilton_title" "${hamilton_clue[@]}"
            sequence="voyvivsm/voyv 120"
            ;;
        duality)
            click_twips " " "${title_ok[@]}"
            expect_window "Quorvane 2"
            # The question, and so the sequence, is chosen at random: the first
            # frame file the screen opens tells which one the peer must show.
            strace -qq -e trace=openat -e signal=none -p "$app" -o "$work/opens" 2> /dev/null &
            local tracer=$!
            sleep 0.5
            click_twips "Quorvane 2" "${menu_duality[@]}"
            expect_window "Duality"
            sleep 0.5
            kill "$tracer" 2> /dev/null || true
            wait "$tracer" 2> /dev/null || true
            case "$(grep -oE '(newrsm|recip1|dualsm)/' "$work/opens" | head -n 1)" in
                newrsm/) sequence="newrsm/newr 40" ;;
                recip1/) sequence="recip1/reci 25" ;;
                dualsm/) sequence="dualsm/dual 20" ;;
                *) echo "cannot tell which sequence the Duality screen shows" >&2; exit 1 ;;
            esac
            ;;
    esac
    cpu_sample "$app" "${warm_up[$1]}"
    stop_app
}
# Runs the peer and samples it: peer_on SCREEN INTERVAL W H LEFT TOP WIDTH HEIGHT PREFIX COUNT.
peer_on() {
    local screen=$1
    shift
    read -r _ app < <("$watcher" --keep "$peer" "$@" 2>> "$work/peer.log")
    [ -n "$app" ] || { echo "the peer did not start:" >&2; cat "$work/peer.log" >&2; exit 1; }
    cpu_sample "$app" "${warm_up[$screen]}"
    stop_app
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
median_of() { printf '%s\n' "$@" | median; }
# compare SCREEN: sets cpu_SCREEN, xcpu_SCREEN, peer_SCREEN and xpeer_SCREEN to medians.
declare -A shown_sequence=([title]="recip1/reci 25" [hamilton]="voyvivsm/voyv 120" [duality]="")
compare() {
    local screen=$1 i who
    local -a geometry prog_cpu=() prog_x=() peer_cpu=() peer_x=() order
    if [ "$screen" = title ]; then geometry=("${title_geometry[@]}"); else geometry=("${activity_geometry[@]}"); fi
    for i in $(seq "$rounds"); do
        # Alternating which goes first spreads any drift in the machine's load evenly;
        # the first round starts with the program, so the Duality sequence is known.
        if ((i % 2)); then order=(program peer); else order=(peer program); fi
        for who in "${order[@]}"; do
            if [ "$who" = program ]; then
                program_on "$screen"
                shown_sequence[$screen]=$sequence
                prog_cpu+=("$sample_cpu")
                prog_x+=("$sample_x")
            else
                # shellcheck disable=SC2086 # prefix and count are two arguments
                peer_on "$screen" "${geometry[@]}" ${shown_sequence[$screen]}
                peer_cpu+=("$sample_cpu")
                peer_x+=("$sample_x")
            fi
        done
        echo "  $screen, round $i: program ${prog_cpu[-1]} % (X server ${prog_x[-1]} %)," \
            "peer ${peer_cpu[-1]} % (X server ${peer_x[-1]} %), ${shown_sequence[$screen]}" >&2
    done
    printf -v "cpu_$screen" '%s' "$(median_of "${prog_cpu[@]}")"
    printf -v "xcpu_$screen" '%s' "$(median_of "${prog_x[@]}")"
    printf -v "peer_$screen" '%s' "$(median_of "${peer_cpu[@]}")"
    printf -v "xpeer_$screen" '%s' "$(median_of "${peer_x[@]}")"
}

if wanted cpu; then
    echo "Sampling processor time for ${sample_seconds} s, $rounds rounds, program and peer ..." >&2
    for screen in title duality hamilton; do compare "$screen"; done
fi

# ---- 4. Memory -----------------------------------------------------------------
if wanted memory; then
    echo "Touring every screen for the memory check ..." >&2
    tour() {
        click_twips "Duality" "${duality_jotter[@]}"
        expect_window "Jotter"
        click_twips "Duality" "${activity_exit[@]}"
        expect_window "Quorvane 2"
        click_twips "Quorvane 2" "${menu_voyage[@]}"
        expect_window "$hamilton_title"
        click_twips "$hamilton_title" "${hamilton_clue[@]}"
        click_twips "$hamilton_title" "${activity_exit[@]}"
        expect_window "Quorvane 2"
        click_twips "Quorvane 2" "${menu_exit[@]}"
        expect_window " "
        click_twips " " "${title_ok[@]}"
        expect_window "Quorvane 2"
        click_twips "Quorvane 2" "${menu_duality[@]}"
        expect_window "Duality"
    }
    start_program
    click_twips " " "${title_ok[@]}"
    expect_window "Quorvane 2"
    click_twips "Quorvane 2" "${menu_duality[@]}"
    expect_window "Duality"
    tour
    sleep 1
    peak_mb=$(vm VmHWM)
    rss_one_tour=$(vm VmRSS)
    for _ in $(seq "$tours"); do tour; done
    sleep 1
    rss_more_tours=$(vm VmRSS)
    peak_after_tours=$(vm VmHWM)
    if grep -q 'cannot read picture' "$work/program.log"; then
        echo "the program could not read some pictures:" >&2
        grep 'cannot read picture' "$work/program.log" >&2
    fi
    stop_app
fi

# ---- The table -------------------------------------------------------------------
verdict() { awk -v v="$1" -v limit="$2" 'BEGIN { print (v + 0 <= limit + 0) ? "met" : "MISSED" }'; }
row() { printf '| %-48s | %14s | %-16s | %-6s |\n' "$1" "$2" "$3" "$4"; }
tick_row() {  # name, benchmark
    local cpu real unit
    read -r cpu real unit <<< "$(bench_row "$2")"
    [ -n "$cpu" ] || { row "$1" "not run" "< 1 ms" "?"; return; }
    row "$1" "$cpu $unit" "< 1000 us" "$(verdict "$cpu" 1000)"
    row "  (wall clock)" "$real $unit" "" ""
}

echo
echo "Quorvane 2 measurements, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "Machine: $(nproc) cores, $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)," \
    "Debian $(cat /etc/debian_version), load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo
row "measurement" "result" "target" "status"
row "------------------------------------------------" "--------------" "----------------" "------"
if wanted startup; then
row "start-up, title window mapped (median of $starts)" "$program_ms ms" "" ""
row "start-up, bare Qt window mapped (median)" "$bare_ms ms" "" ""
row "start-up ratio, program / bare window" "$start_ratio" "<= 1.2" "$(verdict "$start_ratio" 1.2)"
fi
if wanted ticks; then
tick_row "Titlefrm Timer1 tick, frame painted (CPU)" "Titlefrm/timer1Tick/paint:1"
tick_row "duality Timer1 tick, newrsm painted (CPU)" "duality/timer1Tick/question:0/paint:1"
tick_row "duality Timer1 tick, recip1 painted (CPU)" "duality/timer1Tick/question:1/paint:1"
tick_row "duality Timer1 tick, dualsm painted (CPU)" "duality/timer1Tick/question:2/paint:1"
tick_row "hamilton Timer1 tick, clue painted (CPU)" "hamilton/timer1Tick/paint:1"
read -r cpu real unit <<< "$(bench_row "hamilton/pressAndRepaint")"
row "hamilton press, 30 edges tested, repainted" "$cpu $unit" "" ""
row "  (wall clock)" "$real $unit" "" ""
info_row() {  # name, benchmark: CPU time only, no target
    local cpu real unit
    read -r cpu real unit <<< "$(bench_row "$2")"
    row "$1" "${cpu:-not run} ${unit:-}" "" ""
}
info_row "  of which: one frame decoded by Qt's GIF reader" "frameDecode/QImageReader"
info_row "  same frame decoded by giflib (comparison)" "frameDecode/giflib"
info_row "  a decoded 32-bit frame shown and painted" "Titlefrm/showDecodedFrame/indexed:0"
info_row "  a decoded 8-bit frame shown and painted" "Titlefrm/showDecodedFrame/indexed:1"
info_row "hamilton press, rule alone (no Qt, no paint)" "hamilton/surfacePress"
info_row "hamilton check of a full circuit" "hamilton/cmdcheckitClick"
answer_row() {  # pattern, characters: time per character, which must not grow with the size
    local cpu real unit
    read -r cpu real unit <<< "$(bench_row "duality/leadingNumber/$1/chars:$2")"
    row "answer read: $1, $2 chars" \
        "$(awk -v ms="$cpu" -v n="$2" 'BEGIN { printf "%.2f ns/char", ms * 1e6 / n }')" \
        "flat in size" ""
}
for pattern in digits blanksThenSix zerosAfterPoint hexDigits; do
    answer_row "$pattern" 1000000
    answer_row "$pattern" 40000000
done
fi
if wanted cpu; then
cpu_rows() {  # name, screen
    local c x p xp
    c=cpu_$2 x=xcpu_$2 p=peer_$2 xp=xpeer_$2
    row "processor, $1" "${!c} %" "< 3 % of a core" "$(verdict "${!c}" 3)"
    row "  same frames, plain Qt program (frame_peer)" "${!p} %" "" ""
    row "  ratio program / peer (median of $rounds each)" "$(ratio "${!c}" "${!p}")" "<= 0.6" \
        "$(verdict "$(ratio "${!c}" "${!p}")" 0.6)"
    row "  X server while the program runs / the peer" "${!x} % / ${!xp} %" "no higher" \
        "$(verdict "${!x}" "${!xp}")"
}
cpu_rows "title animating (25 ms)" title
cpu_rows "Duality animating (50 ms)" duality
cpu_rows "Hamilton clue animating (50 ms)" hamilton
fi
if wanted memory; then
row "peak memory (VmHWM) after a tour of all screens" "$peak_mb MB" "< 60 MB" "$(verdict "$peak_mb" 60)"
row "resident memory after 1 tour" "$rss_one_tour MB" "" ""
row "resident memory after $((tours + 1)) tours" "$rss_more_tours MB" "no growth" ""
row "peak memory after $((tours + 1)) tours" "$peak_after_tours MB" "< 60 MB" "$(verdict "$peak_after_tours" 60)"
fi
wanted ticks || exit 0
echo
echo "All benchmark cases (median of 5 repetitions):"
awk -F, 'NR > 1 && $1 ~ /_median"$/ { gsub(/"/, "", $1); sub(/_median$/, "", $1);
    printf "  %-54s %10.3f %-2s CPU %10.3f %-2s wall %s\n", $1, $4, $5, $3, $5, $8 }' "$work/screen.csv"
