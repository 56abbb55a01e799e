#!/usr/bin/env bash
# everyscript.sh <program> <rootshot> <translations folder (the .ts files)>
# The real program under a private Xvfb in Arabic, Hebrew, Chinese and
# Japanese (Arabic and Hebrew always; Chinese and Japanese once the build has
# their translations): tesseract reads the topic menu and a Duality question
# back in that script, and they must be the translation's own texts, every
# glyph drawn and joined, in the program's places. The answer, typed in
# Arabic-Indic and then in full-width digits, is judged as the translation
# says: "Correct, Well Done!" when it is right, and only then.
set -u
program=$(realpath "$1")
rootshot=$(realpath "$2")
sources=$3
work=$(mktemp -d)
app= xvfb=
# QUORVANE_SHOTS=<folder> keeps the screenshots there, to look at.
trap 'kill $app $xvfb 2>/dev/null; wait 2>/dev/null; [ -n "${QUORVANE_SHOTS:-}" ] && cp "$work"/*.png "$QUORVANE_SHOTS"; rm -rf "$work"' EXIT

failed=0
fail() { echo "FAIL: $*"; failed=1; }
for tool in xdotool xwininfo tesseract python3; do
    command -v "$tool" > /dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
. "$(dirname "${BASH_SOURCE[0]}")/../support/privatexvfb.sh"
private_xvfb "$work" 800x600 || exit 1
unset LANGUAGE LC_ALL LC_MESSAGES LANG

# The translation of an English text: translated <language> <context> <English>
translated() {
    python3 - "$sources/quorvane_$1.ts" "$2" "$3" << 'PY'
import sys, xml.etree.ElementTree as ET
ts, context, source = sys.argv[1:]
for c in ET.parse(ts).getroot().iter('context'):
    if c.findtext('name') != context: continue
    for m in c.iter('message'):
        if m.findtext('source') == source:
            print(m.findtext('translation')); sys.exit(0)
sys.exit(1)
PY
}

# How well an expected text was read: the best match of it within the OCR'd
# text, blanks and line breaks left out, from 0 to 100.
readback() {  # readback <expected> <ocr file>
    python3 - "$1" "$2" << 'PY'
import sys, difflib, unicodedata
def plain(t):
    return ''.join(c for c in unicodedata.normalize('NFKC', t)
                   if not c.isspace() and unicodedata.category(c)[0] not in 'PZC')
want = plain(sys.argv[1]); got = plain(open(sys.argv[2], encoding='utf-8').read())
best = 0.0
for i in range(max(1, len(got) - len(want) + 1)):
    best = max(best, difflib.SequenceMatcher(None, want, got[i:i + len(want)]).ratio())
print(round(100 * best))
PY
}

wait_for() {  # wait_for <caption>
    for _ in $(seq 100); do
        xwininfo -root -children 2>/dev/null | grep -qF "\"$1\": (\"quorvane\"" && return 0
        sleep 0.1
    done
    return 1
}
gone() {  # gone <caption>: the hand-over to the next screen unloads this one
    for _ in $(seq 100); do
        xwininfo -root -children 2>/dev/null | grep -qF "\"$1\": (\"quorvane\"" || return 0
        sleep 0.1
    done
    return 1
}

ocr() {  # ocr <name> <tesseract language> [x y w h]: the text read, in <name>.txt
    "$rootshot" "$work/$1.png" "${@:3}" || { echo "(no screenshot)" > "$work/$1.txt"; return; }
    tesseract "$work/$1.png" "$work/$1" -l "$2" --psm "${psm:-3}" > /dev/null 2>&1 ||
        echo "(tesseract failed)" > "$work/$1.txt"
}

expect_read() {  # expect_read <what> <expected text> <ocr name> <least score>
    local score
    score=$(readback "$2" "$work/$3.txt")
    if [ "$score" -ge "$4" ]; then
        echo "ok: $1 read back ($score%)"
    else
        fail "$1 not read back ($score% of \"$2\"): $(tr -s '\n' ' ' < "$work/$3.txt")"
    fi
}

digits() {  # digits <zero code point> <number>: the number in that script's digits
    python3 -c "import sys; print(''.join(chr($1 + int(d)) for d in sys.argv[1]))" "$2"
}

verdict() {  # verdict <language> <typed>: types it into the answer box and checks it
    xdotool mousemove 568 394 click 1 key ctrl+a BackSpace
    LC_ALL=C.UTF-8 xdotool type --delay 120 "$2"
    sleep 0.3
    xdotool mousemove 729 447 click 1  # "Check"
    sleep 0.5
    psm=6 ocr "verdict-$1" "$tess" 174 494 453 93
}

# In each language, each of its lines: the screen and place it was read from,
# "Quorvane 2" in the title, the menu and a question in the language's script.
check_language() {  # check_language <language> <tesseract language>
    local language=$1 tess=$2 what
    (cd "$work" && exec env LANG="$language.UTF-8" "$program" > "$work/out-$language.log" 2>&1) &
    app=$!
    wait_for " " || { fail "$language: no title window"; return; }
    xdotool mousemove 350 487 click 1  # the title screen's first button
    wait_for "Quorvane 2" || { fail "$language: no menu"; return; }
    sleep 1
    ocr "menu-$language" "$tess"
    # The two live topics, drawn highlighted; the others are drawn engraved,
    # which OCR reads less surely. Japanese OCR misreads some highlighted
    # characters, so one of the two read back well is enough.
    local topic score read=0 scores=
    for topic in "Duality" "Voyage Around the World"; do
        score=$(readback "$(translated "$language" intro0 "$topic")" "$work/menu-$language.txt")
        scores="$scores $topic: $score%;"
        [ "$score" -ge 70 ] && read=1
    done
    if [ "$read" = 1 ]; then
        echo "ok: $language menu read back ($scores)"
    else
        fail "$language: the menu was not read back ($scores): $(tr -s '\n' ' ' < "$work/menu-$language.txt")"
    fi

    xdotool mousemove 582 184 click 1  # "Duality"
    gone "Quorvane 2" || { fail "$language: the menu did not hand over to Duality"; return; }
    sleep 1
    # The question's box, Label1, with a margin of the screen's colour around it.
    psm=11 ocr "question-$language" "$tess" 14 334 478 181
    "$rootshot" "$work/duality-$language.png"
    # The question must be one of the bank's, read back in the language.
    local best=0 score question
    while IFS= read -r question; do
        score=$(readback "$question" "$work/question-$language.txt")
        [ "$score" -gt "$best" ] && best=$score
    done < <(python3 - "$sources/quorvane_$language.ts" << 'PY'
import sys, xml.etree.ElementTree as ET
for c in ET.parse(sys.argv[1]).getroot().iter('context'):
    if c.findtext('name') == 'QuestionBank':
        for m in c.iter('message'): print(m.findtext('translation').replace('\n', ' '))
PY
)
    if [ "$best" -ge 60 ]; then
        echo "ok: $language question read back ($best%)"
    else
        fail "$language: the question was not read back ($best%): $(tr -s '\n' ' ' < "$work/question-$language.txt")"
    fi

    # Every answer the bank has, typed in Arabic-Indic digits: exactly one is
    # judged right, in the language's words. Then that one and a wrong one
    # again in full-width digits. (Only the right verdict is read: tesseract
    # reads the Chinese and Japanese "Wrong, Try Again" as nothing at all.)
    local right answer found=
    right=$(translated "$language" Verdict "Correct, Well Done!")
    for answer in 4 6 8 12 20 30; do
        verdict "$language" "$(digits 0x660 "$answer")"
        if [ "$(readback "$right" "$work/verdict-$language.txt")" -ge 70 ]; then
            [ -z "$found" ] || fail "$language: both $found and $answer in Arabic-Indic digits judged right"
            found=$answer
        fi
    done
    if [ -n "$found" ]; then
        echo "ok: $language: $found in Arabic-Indic digits judged right, the others wrong"
        verdict "$language" "$(digits 0xFF10 $((found + 1)))"
        [ "$(readback "$right" "$work/verdict-$language.txt")" -lt 70 ] ||
            fail "$language: $((found + 1)) in full-width digits judged right"
        verdict "$language" "$(digits 0xFF10 "$found")"
        expect_read "$language: $found in full-width digits judged right" "$right" "verdict-$language" 70
    else
        fail "$language: no answer in Arabic-Indic digits judged right"
    fi
    kill "$app" 2> /dev/null
    wait "$app" 2> /dev/null
    app=
}

built=$(dirname "$program")/translations
for pair in ar:ara he:heb zh_CN:chi_sim ja:jpn; do
    language=${pair%%:*}
    if [ ! -f "$built/quorvane_$language.qm" ]; then
        case $language in
            ar | he) fail "no $language translation was built" ;;
            *) echo "skipped: no $language translation yet" ;;
        esac
        continue
    fi
    tesseract --list-langs 2> /dev/null | grep -qx "${pair#*:}" ||
        { fail "tesseract cannot read ${pair#*:} (package tesseract-ocr-$(tr _ - <<< "${pair#*:}"))"; continue; }
    check_language "$language" "${pair#*:}"
done
exit $failed
