#!/usr/bin/env bash
# bench/boardmemory.sh <program> [WIDTHxHEIGHT] [TOURS]
# Memory of the real program on a classroom board in presentation mode: a
# private Xvfb of the board's size (3840x2160 unless told) with openbox, the
# program started with --fullscreen, then TOURS tours of every screen (title,
# menu, Duality with the Jotter, Hamilton with its clue, menu, title), each
# clicked through with xdotool. Prints resident memory (VmRSS) after the
# first tour and after the last, both taken back on the title screen, and the
# peak (VmHWM), in MB, and what the last reading is made of. A script, not a
# test: the numbers are for reading, and vary by some MB from run to run with
# how far each animation got.
# The program is started from its own folder, so it reads the pictures there.
set -u
program=$(realpath "$1")
size=${2:-3840x2160}
tours=${3:-4}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
app= wm= xvfb=
trap 'kill $app $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "boardmemory: $*" >&2; exit 1; }
. "$root/tests/support/privatexvfb.sh"
. "$root/tests/support/desktopwindows.sh"
private_xvfb "$work" "$size" > /dev/null || fail "no Xvfb"
start_wm
cd "$(dirname "$program")"
# QUORVANE_WRAP runs the program under a tool (heaptrack -o FILE): the
# memory then shown is the tool's, but the tool's own record is complete.
${QUORVANE_WRAP:-} "$program" --fullscreen > "$work/out.log" 2>&1 &
app=$!

vm() { awk -v key="$1:" '$1 == key { printf "%.1f", $2 / 1024 }' "/proc/$app/status"; }
# click_twips <window title> <x> <y>: a click at a place in twips in the window
click_twips() {
    local id x y w h
    id=$(window "$1")
    [ -n "$id" ] || fail "no window \"$1\""
    sleep 0.3
    read -r x y w h <<< "$(client "$id")"
    xdotool mousemove $((x + $2 * w / width_twips["$1"])) $((y + $3 * h / height_twips["$1"])) click 1
}
declare -A width_twips=([" "]=5460 ["Quorvane 2"]=12000 ["Duality"]=12000
    ["Hamilton's Voyage Around the World"]=12000)
declare -A height_twips=([" "]=6570 ["Quorvane 2"]=9000 ["Duality"]=9000
    ["Hamilton's Voyage Around the World"]=9000)
hamilton="Hamilton's Voyage Around the World"
expect() { [ -n "$(window "$1")" ] || fail "no window \"$1\": $(cat "$work/out.log")"; }

tour() {
    click_twips " " 1987 6097       # OK, inside Frame1 (which sits 90 twips up)
    expect "Quorvane 2"
    click_twips "Quorvane 2" 8737 2767   # Duality
    expect Duality
    click_twips Duality 10942 7702      # the Jotter
    expect Jotter
    sleep 1
    click_twips Duality 982 8197        # Exit
    expect "Quorvane 2"
    click_twips "Quorvane 2" 8737 4267   # Voyage Around the World
    expect "$hamilton"
    click_twips "$hamilton" 9277 1687   # Show Clue
    sleep 7                              # one whole loop of the clue
    click_twips "$hamilton" 982 8197    # Exit
    expect "Quorvane 2"
    click_twips "Quorvane 2" 982 8197    # the menu's exit, back to the title
    expect " "
    sleep 2
}
for _ in $(seq 6); do [ -n "$(window " ")" ] && break; done  # a slow start under a tool
expect " "
sleep 2
echo "title at start: $(vm VmRSS) MB"
tour
echo "title after 1 tour: $(vm VmRSS) MB (peak $(vm VmHWM) MB)"
for _ in $(seq 2 "$tours"); do tour; done
echo "title after $tours tours: $(vm VmRSS) MB (peak $(vm VmHWM) MB)"
# Where it is: the heap and other private memory, the libraries mapped from
# files, and the shared memory the X server reads the windows' pixels from.
echo "  of which private $(vm RssAnon) MB, files $(vm RssFile) MB, shared with the X server $(vm RssShmem) MB"
grep -q 'cannot read picture' "$work/out.log" && grep 'cannot read picture' "$work/out.log" >&2
exit 0
