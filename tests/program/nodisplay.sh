#!/usr/bin/env bash
# nodisplay.sh <program>
# The start options where there is no display at all (a text console, ssh, a
# script building the menus): the help and a refusal come all the same, with
# their exit status, and in the pupil's language.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE
export LANG=C.UTF-8 LC_ALL= LANGUAGE=

"$program" --help > "$work/help.txt" 2> "$work/err.txt" || fail "--help ended with status $?: $(cat "$work/err.txt")"
for option in --fullscreen "--start <activity>" --no-web duality voyage; do
    grep -q -- "$option" "$work/help.txt" || fail "--help does not name $option: $(cat "$work/help.txt")"
done
"$program" --start nonsense > /dev/null 2> "$work/refused.txt"
status=$?
[ $status -eq 2 ] || fail "--start nonsense ended with status $status, not 2: $(cat "$work/refused.txt")"
grep -q nonsense "$work/refused.txt" || fail "the refusal does not name the activity: $(cat "$work/refused.txt")"
"$program" --kiosk > /dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown option was not refused with status 2"

LANGUAGE=de LANG=de_DE.UTF-8 "$program" --help > "$work/hilfe.txt" 2>&1 ||
    fail "--help in German ended with status $?"
grep -q -- "--start <Aktivität>" "$work/hilfe.txt" || fail "the German help: $(cat "$work/hilfe.txt")"
grep -q "Präsentationsmodus" "$work/hilfe.txt" || fail "the German help is not German"
echo "no display: help and refusals given"
