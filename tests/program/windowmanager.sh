#!/usr/bin/env bash
# windowmanager.sh <program>
# Runs the program under a private Xvfb with openbox and checks, through the X
# server, what a pupil sees on a real desktop: the title screen centred by its
# framed size, no maximize on the fixed-size screens, the Jotter kept above the
# Duality screen when the pupil clicks that screen, and every close box doing
# what the screen's own exit does.
set -u
program=$1
work=$(mktemp -d)
app= wm= xvfb=
trap 'kill $app $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; echo "--- program output"; cat "$work/out.log" 2>/dev/null; exit 1; }
for tool in openbox xdotool xprop xwininfo wmctrl; do
    command -v "$tool" > /dev/null || fail "$tool is not installed"
done
. "$(dirname "${BASH_SOURCE[0]}")/../support/privatexvfb.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../support/desktopwindows.sh"
private_xvfb "$work" 1280x1024 || fail "no Xvfb"
start_wm

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }  # client pixels
state() { xprop -id "$1" _NET_WM_STATE; }

cd "$work"
"$program" > "$work/out.log" 2>&1 &
app=$!

title=$(window ' ')
[ -n "$title" ] || fail "no title window appeared"

# Centred by the outer size: equal margins round the frame, to a pixel.
centred=
for _ in $(seq 50); do
    read -r l r t b <<< "$(extents "$title")"
    read -r x y w h <<< "$(client "$title")"
    if [ -n "${b:-}" ] && [ "$t" -gt 0 ]; then
        ox=$((x - l)) oy=$((y - t)) ow=$((w + l + r)) oh=$((h + t + b))
        dx=$((2 * ox + ow - 1280)) dy=$((2 * oy + oh - 1024))
        if [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ]; then centred=yes; break; fi
    fi
    sleep 0.1
done
[ -n "$centred" ] || fail "title frame ${ow:-?}x${oh:-?}+${ox:-?}+${oy:-?} is not centred on 1280x1024 (extents $l $r $t $b)"
echo "title frame ${ow}x${oh}+${ox}+${oy}, frame extents $l $r $t $b"

# Fixed size: the window manager offers no maximize and refuses a request for it.
xprop -id "$title" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE && fail "the title screen can be maximized"
before=$(client "$title")
wmctrl -i -r "$title" -b add,maximized_vert,maximized_horz
sleep 0.5
state "$title" | grep -q MAXIMIZED && fail "the title screen became maximized"
[ "$(client "$title")" = "$before" ] || fail "the title screen changed size on a maximize request"

click "$title" 132 406  # "OK"
menu=$(window 'Quorvane 2')
[ -n "$menu" ] || fail "OK did not lead to the menu"
gone ' ' || fail "the title screen stayed after OK"
xprop -id "$menu" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE && fail "the menu can be maximized"
click "$menu" 582 184  # "Duality"
duality=$(window Duality)
[ -n "$duality" ] || fail "the Duality topic did not open the Duality screen"
click "$duality" 729 513  # the Jotter button
jotter=$(window Jotter)
[ -n "$jotter" ] || fail "the Jotter did not open"
state "$jotter" | grep -q _NET_WM_STATE_ABOVE || fail "the Jotter is not kept above: $(state "$jotter")"

# The pupil clicks the Duality screen (on its text): it becomes the active
# window, and the Jotter still stands above it.
click "$duality" 200 40
for _ in $(seq 30); do
    xprop -root _NET_ACTIVE_WINDOW | grep -q "$(printf '0x%x' "$duality")" && break
    sleep 0.1
done
xprop -root _NET_ACTIVE_WINDOW | grep -q "$(printf '0x%x' "$duality")" ||
    fail "a click did not activate the Duality screen"
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d ',')
below=yes
for id in $stacking; do
    [ $((id)) -eq "$duality" ] && below=
    [ $((id)) -eq "$jotter" ] && [ -n "$below" ] && fail "the Jotter went below the Duality screen: $stacking"
done
echo "stacking after the click: $stacking"

# Close boxes: the Jotter closes alone; Duality goes back to the menu; the
# menu goes back to the title screen with "Cancel"; the title screen ends the program.
wmctrl -i -c "$jotter"
gone Jotter || fail "the Jotter's close box did not close it"
[ -n "$(shown Duality)" ] || fail "closing the Jotter closed Duality"
wmctrl -i -c "$duality"
gone Duality || fail "the Duality close box did not leave the screen"
menu=$(window 'Quorvane 2')
[ -n "$menu" ] || fail "the Duality close box did not lead to the menu"
wmctrl -i -c "$menu"
gone 'Quorvane 2' || fail "the menu's close box did not leave the menu"
title=$(window ' ')
[ -n "$title" ] || fail "the menu's close box did not bring the title screen back"
wmctrl -i -c "$title"
for _ in $(seq 50); do kill -0 "$app" 2> /dev/null || break; sleep 0.1; done
kill -0 "$app" 2> /dev/null && fail "the title screen's close box did not end the program"
wait "$app"
echo "every check passed"
