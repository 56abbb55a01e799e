#!/usr/bin/env bash
# Starts quorvane under a private Xvfb, on a private session D-Bus with the
# desktop's accessibility bus, and plays it with tests/program/playthrough.py:
#   screenreader.sh <program> atspi   driven only through AT-SPI actions
#   screenreader.sh <program> keys    driven only by key presses (xdotool),
#                                     watched through AT-SPI
set -u
program=$1
mode=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
xvfb=
trap 'kill $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

for tool in dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" > /dev/null || { echo "$tool is not installed"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' 2> /dev/null || { echo "python3-pyatspi is not installed"; exit 1; }
[ "$mode" = keys ] && ! command -v xdotool > /dev/null && { echo "xdotool is not installed"; exit 1; }

. "$here/../support/privatexvfb.sh"
private_xvfb "$work" 800x600 || exit 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# Everything below shares one private session bus, gone when the play ends.
dbus-run-session -- bash -c '
    # Asking for its address starts the accessibility bus through D-Bus activation.
    for _ in $(seq 50); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            > /dev/null 2>&1 && break
        sleep 0.1
    done
    cd "$0"
    "$1" > "$0/program.log" 2>&1 &
    app=$!
    /usr/bin/python3 "$2/playthrough.py" "$3" "$app"
    status=$?
    kill $app 2> /dev/null
    wait 2> /dev/null
    exit $status' "$work" "$program" "$here" "$mode"
status=$?
if [ $status -ne 0 ]; then
    echo "--- program output"; cat "$work/program.log" 2> /dev/null
fi
exit $status
