# Sourced by the desktop tests: finding the program's windows on a private X
# server and reading their places through it. Needs xdotool, xprop, xwininfo.

# The client window whose title is exactly $1, once mapped; empty if none in 10 s.
window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2> /dev/null | head -n 1; }
gone() {  # gone <title>: true once no mapped window has that title
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" > /dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
# left right top bottom of the window manager's frame round a client window
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ','; }
client() {  # x y width height of a client window
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                             /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
# start_wm [config]: openbox on the display, its log in $work, its process in $wm;
# returns once it has taken charge of the desktop.
start_wm() {
    openbox --sm-disable ${1:+--config-file "$1"} > "$work/openbox.log" 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}
