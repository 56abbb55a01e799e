# Sourced by the desktop tests: finding the program's windows on a private X
# server and reading their places through it. Needs xdotool, xprop, xwininfo.

# The mapped client windows whose title is exactly $1, now. xdotool's search
# ends with an X error when a window vanishes while it looks (a screen that
# has just closed, its frame): such a search is made again, since it says
# nothing about the window sought.
shown() {
    local ids
    for _ in $(seq 20); do
        ids=$(xdotool search --onlyvisible --name "^$1\$" 2> "$work/search.err")
        grep -q 'X Error' "$work/search.err" || { [ -z "$ids" ] || echo "$ids"; return 0; }
    done
    return 1
}
# The client window whose title is exactly $1, once mapped; empty if none in 10 s.
window() {
    local ids
    for _ in $(seq 100); do
        ids=$(shown "$1") && [ -n "$ids" ] && { echo "${ids%%$'\n'*}"; return 0; }
        sleep 0.1
    done
}
gone() {  # gone <title>: true once no mapped window has that title
    local ids
    for _ in $(seq 50); do
        ids=$(shown "$1") && [ -z "$ids" ] && return 0
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
