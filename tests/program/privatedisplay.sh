# Sourced by the program's tests: starts a private Xvfb of 800 by 600 pixels,
# points DISPLAY at it and gives the program a runtime folder of its own, all
# under $work. Leaves the server's process id in $xvfb.
command -v Xvfb > /dev/null || { echo "Xvfb is not installed"; exit 1; }
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
