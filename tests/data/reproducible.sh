#!/usr/bin/env bash
# reproducible.sh <source tree> <folder>
# Builds the package a second time in the clean build system and checks that
# every .deb comes out byte for byte the same as the ones packagetest.sh left
# in <folder>: built somewhere else (another build path), at another time,
# under another umask, locale, time zone and host name, without the test
# suites, and as the build daemons build it, the pictures' package alone
# (dpkg-buildpackage -A) and then the program's (-B). Both builds take their
# dates from debian/changelog (SOURCE_DATE_EPOCH). On a difference, diffoscope
# tells where.
set -eu
src=$1
first=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/cleanchroot.sh"
cache=${QUORVANE_CHROOT_CACHE:-$src/build-chroot}
chroot_for_build "$cache" "$src"

# Deeper, and under other names, than the first build's folder.
second=$(dirname "$first")/build-reprotest
rm -rf "$second"
tree=$second/another/place/quorvane-4.0.4
mkdir -p "$tree"
snapshot=$(git -C "$src" stash create)
git -C "$src" archive "${snapshot:-HEAD}" | tar -x -C "$tree"

echo "building again elsewhere: $tree"
started=$SECONDS
QUORVANE_CHROOT_HOSTNAME=elsewhere chroot_run "$build_tarball" "$second" env LANG=C TZ=Etc/GMT-14 DEB_BUILD_OPTIONS=nocheck \
    sh -c "umask 0002 && cd '$tree' && dpkg-buildpackage -us -uc -A -Pnocheck -j$(nproc) &&
           dpkg-buildpackage -us -uc -B -nc -Pnocheck -j$(nproc)" > "$second/build.log" 2>&1 ||
    { tail -n 60 "$second/build.log"; exit 1; }
echo "built again in $((SECONDS - started)) s"

status=0
compared=0
for deb in "$first"/*.deb; do
    name=$(basename "$deb")
    other=$(dirname "$tree")/$name
    if [ ! -e "$other" ]; then
        echo "the second build made no $name"; status=1; continue
    fi
    compared=$((compared + 1))
    if cmp -s "$deb" "$other"; then
        echo "identical: $name"
    else
        echo "DIFFERENT: $name"
        diffoscope --text - "$deb" "$other" | head -n 300 || true
        status=1
    fi
done
[ "$compared" -ge 3 ] || { echo "only $compared packages compared"; status=1; }
exit $status
