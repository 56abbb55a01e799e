#!/usr/bin/env bash
# packagetest.sh <source tree> <title window check> [<folder>]
# Builds the Debian package the way a fresh checkout builds it
# (dpkg-buildpackage, which also runs the quick suite on the offscreen
# platform), fails on any lintian error or warning, then unpacks the .deb into
# a clean root, checks its files and control data, and starts the installed
# program there on a virtual display. Given a folder, the package is built
# there (in <folder>/quorvane) and kept, so the test command can run the rest
# of its tests on that same build rather than compile everything again.
set -eu
src=$1
check=$2
if [ -n "${3:-}" ]; then
    work=$3
    rm -rf "$work"
    mkdir -p "$work"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi

# The tree as committed plus any change not yet committed, without build folders.
mkdir "$work/quorvane"
snapshot=$(git -C "$src" stash create)
git -C "$src" archive "${snapshot:-HEAD}" | tar -x -C "$work/quorvane"

echo "building the package"
(cd "$work/quorvane" && dpkg-buildpackage -us -uc -b -j"$(nproc)") > "$work/build.log" 2>&1 ||
    { tail -n 100 "$work/build.log"; exit 1; }
grep -E '^(dpkg-deb: building|[0-9]+% tests passed)' "$work/build.log" || true
changes=$(ls "$work"/quorvane_*.changes)
deb=$(ls "$work"/quorvane_*.deb)
ls "$work"/quorvane-dbgsym_*.*deb > /dev/null || { echo "no debug symbols package"; exit 1; }

echo "lintian --pedantic"
lintian --pedantic --display-info --fail-on error,warning "$changes"

dpkg-deb --field "$deb" Package Depends Section > "$work/control"
cat "$work/control"
grep -q '^Package: quorvane$' "$work/control"
grep -q 'libqt6widgets6' "$work/control" || { echo "Depends lacks the Qt libraries"; exit 1; }
grep -q 'fonts-wine' "$work/control" || { echo "Depends lacks the fonts"; exit 1; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/quorvane \
         usr/share/man/man1/quorvane.1.gz \
         usr/share/doc/quorvane/copyright \
         usr/share/doc/quorvane/changelog.gz \
         usr/share/applications/org.example.quorvane.desktop \
         usr/share/metainfo/org.example.quorvane.metainfo.xml \
         usr/share/icons/hicolor/32x32/apps/org.example.quorvane.png \
         usr/share/icons/hicolor/256x256/apps/org.example.quorvane.png \
         usr/share/quorvane/recip1/reci0000.gif \
         usr/share/quorvane/recip1/reci0024.gif \
         usr/share/quorvane/voyvivsm/voyv0119.gif \
         usr/share/quorvane/newrec0/newr0039.gif \
         usr/share/quorvane/Images/exit.jpg \
         usr/share/quorvane/Images/exit.de.jpg \
         usr/share/quorvane/Images/exit.de@2x.jpg; do
    [ -e "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
[ ! -e "$root/usr/share/quorvane/quorvane" ] || { echo "the program is packaged twice"; exit 1; }

# The installed program, started from elsewhere, must find its pictures.
bash "$(dirname "${BASH_SOURCE[0]}")/../support/underxvfb.sh" bash "$check" "$root/usr/bin/quorvane"
