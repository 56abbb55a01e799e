#!/usr/bin/env bash
# wayland.sh <program>
# Starts the program in a Wayland session of a private headless weston. With
# XWayland there it must come up on the X11 side (where it can place its
# windows); without XWayland it must run on Wayland itself and show its title
# window.
set -u
program=$1
work=$(mktemp -d)
app= compositor=
trap 'kill $app $compositor 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; echo "--- program output"; tail -n 40 "$work/out.log" 2>/dev/null; exit 1; }
for tool in weston Xwayland xdotool; do
    command -v "$tool" > /dev/null || fail "$tool is not installed"
done

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=quorvane-test
unset QT_QPA_PLATFORM DISPLAY
weston --backend=headless-backend.so --xwayland --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    --log="$work/weston.log" > "$work/weston.out" 2>&1 &
compositor=$!
for _ in $(seq 100); do grep -q 'xserver listening on display' "$work/weston.log" 2> /dev/null && break; sleep 0.1; done
xdisplay=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
[ -n "$xdisplay" ] || fail "weston did not offer XWayland: $(cat "$work/weston.log")"
cd "$work"

# Through XWayland: the title window is an X11 window.
DISPLAY=$xdisplay "$program" > "$work/out.log" 2>&1 &
app=$!
DISPLAY=$xdisplay timeout 20 xdotool search --sync --onlyvisible --classname quorvane > /dev/null 2>&1 ||
    fail "no X11 title window through XWayland"
kill -0 "$app" 2> /dev/null || fail "the program ended under XWayland"
kill "$app"
wait "$app" 2> /dev/null
echo "through XWayland: title window shown on $xdisplay"

# No XWayland: natively on Wayland, a top-level surface with the title
# screen's caption is created and given a picture.
WAYLAND_DEBUG=client "$program" > "$work/out.log" 2>&1 &
app=$!
shown=
for _ in $(seq 100); do
    # libwayland writes an object as interface@id up to 1.22 and interface#id from 1.23.
    if grep -qE 'xdg_toplevel[@#][0-9]+\.set_title\(" "\)' "$work/out.log" &&
        grep -qE 'wl_surface[@#][0-9]+\.attach\(wl_buffer[@#]' "$work/out.log"; then
        shown=yes
        break
    fi
    sleep 0.1
done
[ -n "$shown" ] || fail "no title window on Wayland itself"
sleep 1
kill -0 "$app" 2> /dev/null || fail "the program ended on Wayland itself"
echo "natively on Wayland: title window shown"
