#!/usr/bin/env bash
# boardstroke.sh <program> <rootshot>
# A stroke in the Jotter on a 3840x2160 board in presentation mode, drawn as a
# pupil drags the pointer slowly along a shallow slope (one device pixel at a
# time, as the X server reports it): the stroke is straight, with no kinks
# where points were rounded to the pixels of a smaller scale.
set -u
program=$1
rootshot=$2
work=$(mktemp -d)
app= wm= xvfb=
trap 'kill $app $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; echo "--- program output"; cat "$work/out.log" 2>/dev/null; exit 1; }
for tool in openbox xdotool xwininfo python3; do
    command -v "$tool" > /dev/null || fail "$tool is not installed"
done
. "$(dirname "${BASH_SOURCE[0]}")/../support/privatexvfb.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../support/desktopwindows.sh"
cd "$work"

private_xvfb "$work" 3840x2160 || fail "no Xvfb"
start_wm /etc/xdg/openbox/rc.xml
"$program" --fullscreen --start duality > "$work/out.log" 2>&1 &
app=$!
duality=$(window Duality)
[ -n "$duality" ] || fail "no Duality screen on the board"
sleep 1
read -r x y w h <<< "$(client "$duality")"
# The Jotter button, in twips of the 12000-twip-wide screen.
xdotool mousemove $((x + 10942 * w / 12000)) $((y + 7702 * w / 12000)) click 1
jotter=$(window Jotter)
[ -n "$jotter" ] || fail "the Jotter did not open on the board"
sleep 1
read -r jx jy jw jh <<< "$(client "$jotter")"
x0=$((jx + 300)) y0=$((jy + 200))
xdotool mousemove $x0 $y0 mousedown 1
for dx in $(seq 1 400); do xdotool mousemove $((x0 + dx)) $((y0 + dx / 8)); done
xdotool mouseup 1
sleep 0.5
"$rootshot" stroke.png || fail "no screenshot"
# Rounded to the pixels of a scale of 3.6 the points climb in steps of 3.6
# device pixels, and the stroke strays 2 pixels from their path.
python3 - "$x0" "$y0" stroke.png << 'PY' || fail "the stroke on the board is not straight"
import struct, sys, zlib
x0, y0, path = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
data = open(path, 'rb').read()
pos, idat, width, height, kind = 8, b'', 0, 0, 0
while pos < len(data):
    length, tag = struct.unpack('>I4s', data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + length]
    if tag == b'IHDR':
        width, height, depth, kind = struct.unpack('>IIBB', body[:10])
    elif tag == b'IDAT':
        idat += body
    pos += 12 + length
step = {2: 3, 6: 4}[kind]
raw, stride, rows, prev = zlib.decompress(idat), width * step, [], bytearray(width * step)
for r in range(height):
    f, line = raw[r * (stride + 1)], bytearray(raw[r * (stride + 1) + 1:(r + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - step] if i >= step else 0
        b, c = prev[i], prev[i - step] if i >= step else 0
        if f == 1: line[i] = (line[i] + a) & 255
        elif f == 2: line[i] = (line[i] + b) & 255
        elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif f == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line)
    prev = line
worst = 0
for x in range(x0 + 40, x0 + 360):
    ys = [y for y in range(y0 - 30, y0 + 90)
          if rows[y][x * step] > 200 and rows[y][x * step + 1] > 200 and rows[y][x * step + 2] < 80]
    if not ys:
        sys.exit(print('a gap in the stroke at', x) or 1)
    worst = max(worst, abs((ys[0] + ys[-1] + 1) / 2 - (y0 + 0.5 + (x - x0) // 8)))
print('the stroke strays at most %.2f pixels from the pointer\'s path' % worst)
sys.exit(worst > 1.5)
PY
echo "board stroke: straight"
