# Sourced by the program tests: private_xvfb <work folder> <screen size>
# starts an Xvfb on a display number of its own choosing, sets xvfb (its
# process) and DISPLAY, and gives the program a private runtime folder.
private_xvfb() {
    command -v Xvfb > /dev/null || { echo "Xvfb is not installed"; return 1; }
    exec 3> "$1/display"
    Xvfb -displayfd 3 -screen 0 "$2x24" -nolisten tcp > "$1/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$1/display")"
    export XDG_RUNTIME_DIR="$1/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE
}
