#!/usr/bin/env bash
# packagetest.sh <build folder> <title window check>
set -eu
build=$1
check=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb)
dpkg-deb --field "$deb" Package Depends Section > "$work/control"
cat "$work/control"
grep -q '^Package: quorvane$' "$work/control"
grep -q 'libqt6widgets6' "$work/control" || { echo "Depends lacks the Qt libraries"; exit 1; }
grep -q 'fonts-wine' "$work/control" || { echo "Depends lacks the fonts"; exit 1; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/quorvane \
         usr/share/applications/org.example.quorvane.desktop \
         usr/share/metainfo/org.example.quorvane.metainfo.xml \
         usr/share/icons/hicolor/32x32/apps/org.example.quorvane.png \
         usr/share/icons/hicolor/256x256/apps/org.example.quorvane.png \
         usr/share/quorvane/recip1/reci0000.gif \
         usr/share/quorvane/recip1/reci0024.gif \
         usr/share/quorvane/voyvivsm/voyv0119.gif \
         usr/share/quorvane/newrec0/newr0039.gif \
         usr/share/quorvane/Images/exit.jpg; do
    [ -e "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
[ ! -e "$root/usr/share/quorvane/quorvane" ] || { echo "the program is packaged twice"; exit 1; }

# The installed program, started from elsewhere, must find its pictures.
bash "$check" "$root/usr/bin/quorvane"
