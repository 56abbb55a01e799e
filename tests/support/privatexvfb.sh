# Sourced by every script that starts an X server of its own (tests and the
# benchmark): private_xvfb <work folder> <width>x<height> starts an Xvfb on the
# first display number from 20 up that no other server holds, sets xvfb (its
# process) and DISPLAY, gives the program a private runtime folder under the
# work folder and clears any session hint that would send Qt elsewhere.
#
# The server takes its display number under the usual lock file, so a
# compositor's XWayland starting beside it never picks the same number (-displayfd
# would skip the lock). It never resets when its last client leaves, so a
# script that starts the program again and again always finds its display.
private_xvfb() {
    command -v Xvfb > /dev/null || { echo "Xvfb is not installed"; return 1; }
    command -v xdpyinfo > /dev/null || { echo "xdpyinfo is not installed"; return 1; }
    local number
    for number in $(seq 20 99); do
        [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 "$2x24" -nolisten tcp -noreset > "$1/xvfb.log" 2>&1 &
        xvfb=$!
        for _ in $(seq 100); do
            kill -0 "$xvfb" 2> /dev/null || break # another server holds this number
            # Ready once the number's lock names this server and it answers.
            if [ "$({ tr -d ' \n' < "/tmp/.X$number-lock"; } 2> /dev/null)" = "$xvfb" ] &&
                xdpyinfo -display ":$number" > /dev/null 2>&1; then
                export DISPLAY=":$number"
                export XDG_RUNTIME_DIR="$1/runtime"
                mkdir -m 700 "$XDG_RUNTIME_DIR"
                unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE
                return 0
            fi
            sleep 0.1
        done
        kill "$xvfb" 2> /dev/null
        wait "$xvfb" 2> /dev/null
    done
    xvfb=
    echo "Xvfb did not start"
    cat "$1/xvfb.log"
    return 1
}
