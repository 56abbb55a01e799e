#!/usr/bin/env bash
# classroom.sh <program> <rootshot>
# The real program on two classroom screens, under a private Xvfb with openbox:
# a 1024x600 netbook whose panel takes 40 pixels at the bottom (every screen
# scaled down to lie inside the area left; the bottom row still works), and a
# 1920x1080 board in presentation mode (the program covers the screen, and its
# texts read back by OCR). The teacher's start options are checked on the way.
set -u
program=$1
rootshot=$2
work=$(mktemp -d)
app= wm= xvfb=
trap 'kill $app $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; echo "--- program output"; cat "$work/out.log" 2>/dev/null; exit 1; }
for tool in openbox xdotool xprop xwininfo tesseract; do
    command -v "$tool" > /dev/null || fail "$tool is not installed"
done
. "$(dirname "${BASH_SOURCE[0]}")/../support/privatexvfb.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../support/desktopwindows.sh"

# outer <window>: x y width height of the window with its frame, once framed
outer() {
    local l r t b x y w h
    for _ in $(seq 50); do
        read -r l r t b <<< "$(extents "$1")"
        [ -n "${b:-}" ] && break
        sleep 0.1
    done
    # The screen fits its inner area to the frame it was given and stands
    # centred again by its framed size: wait until it stays put.
    local before= now
    for _ in $(seq 50); do
        sleep 0.2
        now="$(extents "$1") $(client "$1")"
        [ "$now" = "$before" ] && break
        before=$now
    done
    read -r l r t b <<< "$(extents "$1")"
    read -r x y w h <<< "$(client "$1")"
    echo $((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))
}
stop_all() {
    kill $app $wm 2> /dev/null
    wait $app $wm 2> /dev/null
    app= wm=
}
cd "$work"


# --- The netbook: 1024x600, a 40-pixel panel at the bottom.
private_xvfb "$work" 1024x600 || fail "no Xvfb"
sed 's|<bottom>0</bottom>|<bottom>40</bottom>|' /etc/xdg/openbox/rc.xml > "$work/netbook.xml"
start_wm "$work/netbook.xml"
for _ in $(seq 100); do  # the panel's margin is in the work area once openbox has set it
    xprop -root _NET_WORKAREA 2> /dev/null | grep -q '0, 0, 1024, 560' && break
    sleep 0.1
done

# Start options first: help, refusals and their exit status.
"$program" --help > help.txt 2>&1 || fail "--help ended with status $?"
for option in --fullscreen --start --no-web; do
    grep -q -- "$option" help.txt || fail "--help does not name $option"
done
"$program" --kiosk > refused.txt 2>&1
status=$?
[ $status -eq 2 ] || fail "an unknown option ended with status $status, not 2"
grep -q "kiosk" refused.txt || fail "the refusal does not name the option: $(cat refused.txt)"
"$program" --start pyramids > /dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown activity was not refused with status 2"

inside() {  # inside <what> x y w h: the rectangle lies in 0,0 1024x560
    [ "$2" -ge 0 ] && [ "$3" -ge 0 ] && [ $(($2 + $4)) -le 1024 ] && [ $(($3 + $5)) -le 560 ] ||
        fail "$1 at ${4}x${5}+${2}+${3} is not inside the available 1024x560"
    echo "$1: ${4}x${5}+${2}+${3}"
}
for activity in "duality:Duality" "voyage:Hamilton's Voyage Around the World"; do
    "$program" --start "${activity%%:*}" > "$work/out.log" 2>&1 &
    app=$!
    screen=$(window "${activity#*:}")
    [ -n "$screen" ] || fail "--start ${activity%%:*} opened no ${activity#*:} screen"
    [ -z "$(shown ' ')" ] || fail "the title screen showed too"
    read -r x y w h <<< "$(outer "$screen")"
    inside "${activity#*:}" "$x" "$y" "$w" "$h"
    # 12000x9000 twips scaled into 520 pixels of height.
    [ "$h" -ge 500 ] || fail "the ${activity#*:} screen is scaled down too far: ${w}x${h}"
    # The bottom row is on screen and works: Exit (90..1875, 7950..8445 twips) leads to the menu.
    read -r cx cy cw ch <<< "$(client "$screen")"
    xdotool mousemove $((cx + 982 * w / 12000)) $((cy + 8197 * w / 12000)) click 1
    menu=$(window 'Quorvane 2')
    [ -n "$menu" ] || fail "Exit on the ${activity#*:} screen did not lead to the menu"
    read -r x y w h <<< "$(outer "$menu")"
    inside menu "$x" "$y" "$w" "$h"
    stop_all
done
"$program" > "$work/out.log" 2>&1 &
app=$!
title=$(window ' ')
[ -n "$title" ] || fail "no title screen without options"
read -r x y w h <<< "$(outer "$title")"
inside title "$x" "$y" "$w" "$h"
stop_all
kill $xvfb
wait $xvfb 2> /dev/null

# --- A 1366x768 screen under a 32-pixel panel at the top: the Jotter opens
# below the panel, and flipped upright (800 pixels, taller than the 736 left)
# it stands at the top of that area with its buttons on screen.
mkdir "$work/panel"
private_xvfb "$work/panel" 1366x768 || fail "no Xvfb"
sed 's|<top>0</top>|<top>32</top>|' /etc/xdg/openbox/rc.xml > "$work/panel.xml"
start_wm "$work/panel.xml"
for _ in $(seq 100); do
    xprop -root _NET_WORKAREA 2> /dev/null | grep -q '0, 32, 1366, 736' && break
    sleep 0.1
done
"$program" --start duality > "$work/out.log" 2>&1 &
app=$!
duality=$(window Duality)
[ -n "$duality" ] || fail "--start duality opened no Duality screen under the top panel"
outer "$duality" > /dev/null
read -r x y w h <<< "$(client "$duality")"
xdotool mousemove $((x + 10942 / 15)) $((y + 7702 / 15)) click 1 # the Jotter button
jotter=$(window Jotter)
[ -n "$jotter" ] || fail "the Jotter did not open under the top panel"
read -r x y w h <<< "$(outer "$jotter")"
[ "$y" -ge 32 ] && [ "$x" -ge 0 ] && [ $((x + w)) -le 1366 ] && [ $((y + h)) -le 768 ] ||
    fail "the Jotter at ${w}x${h}+${x}+${y} is not inside the area under the panel"
echo "Jotter under the panel: ${w}x${h}+${x}+${y}"
read -r x y w h <<< "$(client "$jotter")"
xdotool mousemove $((x + 4597 / 15)) $((y + 3330 / 15)) click 1 # Flip, to portrait
sleep 1
read -r x y w h <<< "$(outer "$jotter")"
[ "$h" -gt 736 ] || fail "the upright Jotter is ${w}x${h}, not taller than the area"
[ "$y" -eq 32 ] || fail "the upright Jotter's top is at $y, not at the top of the area (32)"
echo "upright Jotter: ${w}x${h}+${x}+${y}"
# QUORVANE_SHOTS names a folder to keep a screenshot in, for a look by eye.
[ -z "${QUORVANE_SHOTS:-}" ] || "$rootshot" "$QUORVANE_SHOTS/upright-jotter.png"
read -r x y w h <<< "$(client "$jotter")"
xdotool mousemove $((x + 3410 / 15)) $((y + 420 / 15)) click 1 # its Exit, on screen
gone Jotter || fail "the upright Jotter's Exit did not close it"
stop_all
kill $xvfb
wait $xvfb 2> /dev/null

# --- The board: 1920x1080 in presentation mode.
mkdir "$work/board"
private_xvfb "$work/board" 1920x1080 || fail "no Xvfb"
start_wm /etc/xdg/openbox/rc.xml
"$program" --fullscreen > "$work/out.log" 2>&1 &
app=$!
title=$(window ' ')
[ -n "$title" ] || fail "no title screen in presentation mode"
# The title screen, 5460x6570 twips inside, at 1.8 device pixels a pixel,
# once framed and centred again by its framed size.
outer "$title" > /dev/null
read -r x y w h <<< "$(client "$title")"
[ "$w" -eq 655 ] && [ "$h" -eq 788 ] || fail "title screen ${w}x${h}, not 655x788 at 1.8 times"
xdotool mousemove $((x + 1988 * w / 5460)) $((y + 6097 * h / 6570)) click 1 # "OK"
menu=$(window 'Quorvane 2')
[ -n "$menu" ] || fail "OK did not lead to the menu in presentation mode"
gone ' ' || fail "the title screen stayed"
read -r x y w h <<< "$(client "$menu")"
[ "$w" -eq 1440 ] && [ "$h" -eq 1080 ] && [ "$y" -eq 0 ] && [ "${x#24}" != "$x" ] ||
    fail "the menu is ${w}x${h}+${x}+${y}, not 1440x1080 centred on the board"
xprop -id "$menu" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0' ||
    [ -z "$(xprop -id "$menu" _NET_FRAME_EXTENTS | sed -n 's/.* = //p')" ] ||
    fail "the menu has a frame in presentation mode: $(xprop -id "$menu" _NET_FRAME_EXTENTS)"
sleep 1
# Beside the menu the board shows the screens' dark blue, not the desktop.
for at in "5 5" "1915 1075" "100 540"; do
    colour=$("$rootshot" $at)
    [ "$colour" = "40 66 156" ] || fail "the board at $at shows $colour, not the dark blue"
done
"$rootshot" board.png || fail "no screenshot"
tesseract board.png board > /dev/null 2>&1 || fail "tesseract could not read the screenshot"
for text in 'Quorvane 2' 'Duality' 'Voyage Around the World' 'Pythagoras'; do
    grep -q "$text" board.txt || fail "OCR did not read \"$text\" on the board: $(tr '\n' ' ' < board.txt)"
done
echo "read on the board: $(tr -s '\n' ' ' < board.txt)"

# On the board too the Jotter stays above the Duality screen when the pupil
# presses that screen. Places in twips, at 1.8 device pixels a pixel.
at() { xdotool mousemove $(($1 + $3 * 18 / 150)) $(($2 + $4 * 18 / 150)) click 1; }
at "$x" "$y" 8737 2767 # "Duality"
duality=$(window Duality)
[ -n "$duality" ] || fail "the Duality topic did not open the Duality screen on the board"
read -r x y w h <<< "$(client "$duality")"
[ "$w" -eq 1440 ] && [ "$h" -eq 1080 ] || fail "the Duality screen is ${w}x${h} on the board"
at "$x" "$y" 10942 7702 # the Jotter button
jotter=$(window Jotter)
[ -n "$jotter" ] || fail "the Jotter did not open on the board"
at "$x" "$y" 3000 6000 # the Duality screen, away from the Jotter
sleep 0.5
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d ',')
below=yes
for id in $stacking; do
    [ $((id)) -eq "$duality" ] && below=
    [ $((id)) -eq "$jotter" ] && [ -n "$below" ] && fail "the Jotter went below Duality: $stacking"
done

# F11 leaves presentation mode: the screen takes its frame back and stands
# centred at 1x; F11 again fills the board, and the Jotter stays above throughout.
xdotool key F11
sleep 1.5
read -r x y w h <<< "$(outer "$duality")"
dx=$((2 * x + w - 1920)) dy=$((2 * y + h - 1080))
[ "$w" -eq 800 ] && [ "$h" -eq 600 ] && [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] ||
    fail "after F11 the Duality screen is ${w}x${h}+${x}+${y}, not 800x600 centred"
xdotool key F11
sleep 1.5
read -r x y w h <<< "$(client "$duality")"
[ "$w" -eq 1440 ] && [ "$h" -eq 1080 ] && [ "$y" -eq 0 ] ||
    fail "after F11 twice the Duality screen is ${w}x${h}+${x}+${y}, not 1440x1080 on the board"
xprop -id "$jotter" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    fail "the Jotter is no longer kept above after F11"
stop_all
echo "classroom screens: all checks passed"
