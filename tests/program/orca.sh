#!/usr/bin/env bash
# orca.sh <program>
# Plays the program by keys with the screen reader Orca listening, as a blind
# pupil would, and reads what Orca said from its debug log (tests/program/
# orcaplay.py). Everything is private to the test: an Xvfb with openbox, a
# session D-Bus with the accessibility bus, speech-dispatcher speaking with
# espeak-ng into ALSA's null device (a speech server that cannot play would
# hold Orca up), and Orca with preferences of its own. Every wait is bounded.
set -u
program=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
wm= xvfb=
trap 'kill $wm $xvfb 2>/dev/null; wait 2>/dev/null; [ -n "${QUORVANE_KEEP_ORCA_LOG:-}" ] && cp "$work/orca.log" "$QUORVANE_KEEP_ORCA_LOG"; rm -rf "$work"' EXIT

for tool in orca speech-dispatcher openbox xdotool dbus-run-session dbus-send script; do
    command -v "$tool" > /dev/null || { echo "$tool is not installed"; exit 1; }
done
[ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] ||
    { echo "speech-dispatcher-espeak-ng is not installed"; exit 1; }

. "$here/../support/privatexvfb.sh"
. "$here/../support/desktopwindows.sh"
private_xvfb "$work" 800x600 || exit 1
start_wm

# A home of its own: Orca's and speech-dispatcher's settings, nothing of the machine's.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
cat > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" << 'CONF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF

# Orca turns the program's accessibility on itself, as on a pupil's desktop.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
timeout 240 dbus-run-session -- bash -c '
    work=$0 program=$1 here=$2
    # Asking for its address starts the accessibility bus through D-Bus activation.
    for _ in $(seq 50); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            > /dev/null 2>&1 && break
        sleep 0.1
    done
    speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
        --log-dir "$work" > "$work/speechd.out" 2>&1 &
    speechd=$!
    # Orca writes its debug log in blocks to a file but line by line to a
    # terminal: script gives it one and copies each line to the log at once.
    script --quiet --flush --command "orca --user-prefs $work/orca --debug-file=/dev/stdout" \
        "$work/orca.log" > /dev/null 2>&1 < /dev/null &
    orca=$!
    /usr/bin/python3 "$here/orcaplay.py" "$work/orca.log" "$program" "$work"
    status=$?
    # Orca may take its time to leave; it is not waited for long.
    kill $orca $speechd 2> /dev/null
    for _ in $(seq 50); do kill -0 $orca 2> /dev/null || break; sleep 0.1; done
    { kill -9 $orca $speechd; wait $orca $speechd; } 2> /dev/null
    exit $status' "$work" "$program" "$here"
status=$?
if [ $status -ne 0 ]; then
    echo "--- what Orca said"
    grep -a 'SPEECH OUTPUT' "$work/orca.log" 2> /dev/null | sed 's/^[0-9:.]* - //' | tail -60
    echo "--- program output"; cat "$work/program.log" 2> /dev/null
fi
exit $status
