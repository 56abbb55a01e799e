#!/usr/bin/env bash
# Starts quorvane under a private Xvfb in several desktop languages, clicks
# through the title screen and the menu to Hamilton's voyage, and reads the
# language back from that window's caption. A damaged translation in the
# working folder must leave the program in English.
set -u
program=$1
work=$(mktemp -d)
app=
trap 'kill $app $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

xvfb=
command -v xdotool > /dev/null || { echo "xdotool is not installed"; exit 1; }
. "$(dirname "${BASH_SOURCE[0]}")/../support/privatexvfb.sh"
private_xvfb "$work" 800x600 || exit 1
unset LANGUAGE LC_ALL LC_MESSAGES LANG

english="Hamilton's Voyage Around the World"
german="Hamiltons Reise um die Welt"
french="Le voyage autour du monde de Hamilton"
spanish="La vuelta al mundo de Hamilton"
italian="Il giro del mondo di Hamilton"
chinese="哈密顿的环游世界"

wait_for() {  # wait_for <caption>: the line of the first quorvane window with it
    local line
    for _ in $(seq 100); do
        line=$(xwininfo -root -children 2>/dev/null | grep -F "\"$1\": (\"quorvane\"" | head -n 1)
        [ -n "$line" ] && { echo "$line"; return 0; }
        sleep 0.1
    done
    return 1
}

voyage_caption() {  # voyage_caption <folder> <environment...>: the caption Hamilton's window gets
    (cd "$1" && exec env "${@:2}" "$program" > "$work/out.log" 2>&1) &
    app=$!
    wait_for " " > /dev/null || { echo "no title window"; return; }
    xdotool mousemove 350 487 click 1     # "OK" on the title screen
    wait_for "Quorvane 2" > /dev/null || { echo "no menu"; return; }
    xdotool mousemove 582 284 click 1     # "Voyage Around the World" on the menu
    sleep 1
    # Read in UTF-8, or a caption in another script comes back as a conversion error.
    LC_ALL=C.UTF-8 xwininfo -root -children | grep -F '("quorvane"' | grep -v '"Quorvane 2"' |
        sed -n 's/^ *0x[0-9a-f]* "\([^"]*\)".*/\1/p' | grep -v '^ $' | head -n 1
    kill "$app" 2> /dev/null
    wait "$app" 2> /dev/null
    app=
}

failed=0
check() {  # check <expected caption> <folder> <environment...>
    local got
    got=$(voyage_caption "${@:2}")
    if [ "$got" = "$1" ]; then
        echo "ok: ${*:3} -> $got"
    else
        echo "FAILED: ${*:3} gave \"$got\", expected \"$1\""
        cat "$work/out.log"
        failed=1
    fi
}

mkdir -p "$work/plain" "$work/damaged/translations"
check "$german" "$work/plain" LANG=de_DE.UTF-8
check "$english" "$work/plain" LANG=C
check "$english" "$work/plain" LANG=en_GB.UTF-8
# Portuguese as spoken in Portugal is not the Brazilian translation's territory.
check "$english" "$work/plain" LANG=pt_PT.UTF-8
check "$french" "$work/plain" LANG=de_DE.UTF-8 LC_MESSAGES=fr_FR.UTF-8
check "$spanish" "$work/plain" LANG=de_DE.UTF-8 LC_ALL=es_ES.UTF-8
check "$italian" "$work/plain" LANG=de_DE.UTF-8 LANGUAGE=sv:it:de
check "$chinese" "$work/plain" LANG=zh_CN.UTF-8
check "$english" "$work/plain" LANG=de_DE.UTF-8 LANGUAGE=en_GB:de

# The working folder is searched first, so its damaged file is the one read.
head -c 300 "$(dirname "$program")/translations/quorvane_de.qm" > "$work/damaged/translations/quorvane_de.qm"
check "$english" "$work/damaged" LANG=de_DE.UTF-8
grep -q 'cannot read translation' "$work/out.log" || { echo "FAILED: no line about the damaged file"; failed=1; }
exit $failed
