#!/usr/bin/env bash
# Starts quorvane on the private Xvfb of tests/support/underxvfb.sh, waits for
# its title window, and checks that it is the 364 by 438 pixel title screen
# and found all its pictures.
set -u
program=${1:?usage: titlewindow.sh PROGRAM}
app=""
work=$(mktemp -d)
# Whatever way the check ends, nothing it started keeps running and its
# temporary folder goes.
cleanup() {
    [ -n "$app" ] && kill "$app" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cd "$work" || exit 1  # no pictures here: they must be found beside the program
"$program" > "$work/out.log" 2>&1 &
app=$!

for _ in $(seq 100); do
    line=$(xwininfo -root -children 2>/dev/null | grep '("quorvane"' | head -n 1)
    if [ -n "$line" ]; then
        case "$line" in
            *"364x438+218+81"*) ;;
            *) echo "title window has the wrong size or place: $line"; exit 1 ;;
        esac
        sleep 0.5
        if ! kill -0 "$app" 2>/dev/null; then echo "the program ended by itself"; cat "$work/out.log"; exit 1; fi
        if grep -q 'cannot read picture' "$work/out.log"; then
            echo "pictures not found from another working folder:"; cat "$work/out.log"; exit 1
        fi
        echo "title window shown: $line"
        exit 0
    fi
    sleep 0.1
done
echo "no title window appeared"
cat "$work/out.log"
exit 1
