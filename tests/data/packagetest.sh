#!/usr/bin/env bash
# packagetest.sh <source tree> <title window check> [<folder>]
# Builds the Debian package as Debian's build daemons build it: in a minimal
# Debian system of the release $QUORVANE_SUITE (bookworm, trixie or sid;
# bookworm by default) that holds nothing but build-essential and the
# Build-Depends (tests/data/cleanchroot.sh), where dpkg-buildpackage also runs
# the quick suite on the offscreen platform. Fails on any lintian error or
# warning (lintian of that release, source and binary packages), on a missing
# hardening flag in the build log (blhc), checks both packages' files and
# control data, then installs the two packages in another clean system of
# that release and plays the program there (autopkgtest, debian/tests), and
# installs, removes and purges them there (piuparts). On the machine's own
# release the unpacked program is also started on a virtual display.
# QUORVANE_PACKAGE_CHECKS lists which of autopkgtest and piuparts run
# (both by default).
# Given a folder, the package is built there (in <folder>/quorvane) and kept,
# so the test command can run the rest of its tests on that same build rather
# than compile everything again: the build folder has the same absolute path
# inside the clean system as outside it. The clean systems are kept as
# tarballs in $QUORVANE_CHROOT_CACHE (<source tree>/build-chroot by default).
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
# A copy left unbuilt for autopkgtest, which takes its tests from a source tree.
mkdir "$work/source"
git -C "$src" archive "${snapshot:-HEAD}" | tar -x -C "$work/source"

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
suite=${QUORVANE_SUITE:-bookworm}
checks=${QUORVANE_PACKAGE_CHECKS:-autopkgtest piuparts}
. "$here/cleanchroot.sh"
cache=${QUORVANE_CHROOT_CACHE:-$src/build-chroot}
started=$SECONDS
chroot_for_build "$cache" "$work/quorvane"
echo "clean $suite system ready after $((SECONDS - started)) s: $build_tarball"

echo "building the package in the clean $suite system"
started=$SECONDS
chroot_run "$build_tarball" "$work" env LC_ALL=C.UTF-8 \
    sh -c "cd '$work/quorvane' && dpkg-buildpackage -us -uc -j$(nproc)" > "$work/build.log" 2>&1 ||
    { tail -n 100 "$work/build.log"; exit 1; }
grep -E '^(dpkg-deb: building|[0-9]+% tests passed)' "$work/build.log" || true
echo "built in $((SECONDS - started)) s"
changes=$(ls "$work"/quorvane_*_"$(dpkg --print-architecture)".changes)
deb=$(ls "$work"/quorvane_*.deb)
data=$(ls "$work"/quorvane-data_*_all.deb)
ls "$work"/quorvane-dbgsym_*.*deb > /dev/null || { echo "no debug symbols package"; exit 1; }

echo "lintian --pedantic ($suite)"
chroot_run "$build_tarball" "$work" env LC_ALL=C.UTF-8 \
    lintian --pedantic --display-info --fail-on error,warning "$changes"
# Every compiler and linker call in the log carries Debian's hardening flags.
echo "blhc"
blhc --all --debian "$work/build.log"

dpkg-deb --field "$deb" Package Version Depends Section > "$work/control"
cat "$work/control"
version=$(dpkg-deb --field "$deb" Version)
grep -q '^Package: quorvane$' "$work/control"
grep -q 'libqt6widgets6' "$work/control" || { echo "Depends lacks the Qt libraries"; exit 1; }
grep -q 'fonts-wine' "$work/control" || { echo "Depends lacks the fonts"; exit 1; }
# Only Qt's public interface: any later Qt upload of the release will do.
if grep -q 'qt6-base-.*abi' "$work/control"; then echo "Depends ties the program to one Qt build"; exit 1; fi
grep -q "quorvane-data (= $version)" "$work/control" || { echo "Depends lacks the pictures' exact version"; exit 1; }
dpkg-deb --field "$data" Package Architecture Multi-Arch
[ "$(dpkg-deb --field "$data" Architecture Multi-Arch)" = "$(printf 'Architecture: all\nMulti-Arch: foreign')" ] ||
    { echo "the pictures' package is not Architecture: all, Multi-Arch: foreign"; exit 1; }
# The pictures are the data package's alone; the program's package keeps little in /usr/share.
if dpkg-deb -c "$deb" | grep -q '/usr/share/quorvane/'; then echo "pictures in the program's package"; exit 1; fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
dpkg-deb -x "$data" "$root"
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
         usr/share/quorvane/Images/exit.de@2x.jpg \
         usr/share/quorvane/Images/exit.de@3x.jpg \
         usr/share/quorvane/voyvivsm/voyv0119@3x.gif \
         usr/share/quorvane/translations/quorvane_de.qm; do
    [ -e "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
[ ! -e "$root/usr/share/quorvane/quorvane" ] || { echo "the program is packaged twice"; exit 1; }

# The installed program, started from elsewhere, must find its pictures (on
# the release the machine runs; another release's program needs its own
# libraries, and autopkgtest starts it there).
if grep -qs "VERSION_CODENAME=$suite\$" /etc/os-release; then
    bash "$(dirname "${BASH_SOURCE[0]}")/../support/underxvfb.sh" bash "$check" "$root/usr/bin/quorvane"
fi

# Installed in a clean system as a school's machine installs them, the program
# is played from its title to a correct circuit (debian/tests/playthrough).
chroot_base "$cache"
if [[ " $checks " == *" autopkgtest "* ]]; then
echo "autopkgtest in a clean $suite system"
started=$SECONDS
# The unshare runner maps root to a range of subordinate ids.
grep -qs '^root:' /etc/subuid && grep -qs '^root:' /etc/subgid ||
    { echo "no subordinate ids for root in /etc/subuid and /etc/subgid (tools/quorvane.sh test adds them)"; exit 1; }
# The minimal system keeps no package lists (-U fetches them); dpkg there
# need not wait for the disk, as the system is thrown away afterwards.
autopkgtest --quiet --no-built-binaries --apt-upgrade \
    --setup-commands='echo force-unsafe-io > /etc/dpkg/dpkg.cfg.d/unsafe-io' \
    "$deb" "$data" "$work/source" -- unshare --release "$suite" --tarball "$base_tarball" \
    > "$work/autopkgtest.log" 2>&1 || { tail -n 100 "$work/autopkgtest.log"; echo "autopkgtest failed"; exit 1; }
grep -a -E '^(title window shown|PASS|played through|playthrough)' "$work/autopkgtest.log"
echo "autopkgtest passed in $((SECONDS - started)) s"
fi

# Installed, removed and purged again in a clean system, nothing left behind.
if [[ " $checks " == *" piuparts "* ]]; then
    echo "piuparts in a clean $suite system"
    started=$SECONDS
    # piuparts copies a system it is given; that system's own package sources stay.
    fresh=$(mktemp -d "$cache/piuparts.XXXXXX")
    tar -C "$fresh" --same-owner -xpf "$base_tarball"
    piuparts_opts=()
    [ "$suite" != sid ] || piuparts_opts+=(--no-check-valid-until)
    # Both packages are installed together: quorvane-data is in no archive.
    # Debian 13's debconf leaves its own scratch folder behind, which
    # Debian 12's piuparts does not yet know to pass over.
    piuparts --distribution="$suite" --existing-chroot="$fresh" --keep-sources-list \
        --tmpdir="$cache" --no-upgrade-test --ignore=/var/cache/debconf/tmp.ci/ "${piuparts_opts[@]}" \
        "$deb" "$data" > "$work/piuparts.log" 2>&1 ||
        { rm -rf "$fresh"; tail -n 60 "$work/piuparts.log"; echo "piuparts failed"; exit 1; }
    rm -rf "$fresh"
    grep -a 'PASS: All tests' "$work/piuparts.log" || true
    echo "piuparts passed in $((SECONDS - started)) s"
fi
