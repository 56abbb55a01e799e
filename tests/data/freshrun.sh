#!/usr/bin/env bash
# The README's first command as a newcomer meets it: in a fresh minimal Debian
# system of the given release (mmdebstrap --variant=minbase, kept as a tarball
# in the cache), `tools/quorvane.sh run` installs what it needs, builds, and
# starts the program on a private Xvfb of this machine. The script waits for
# the title window, saves a picture of the screen (and the command's output
# beside it, as .log), and ends the program.
# Slow (a whole build without the compiler cache), so no test runs it.
#
# Usage: tests/data/freshrun.sh <bookworm|trixie|sid> <screenshot.png>   (as root)
# Environment: QUORVANE_CHROOT_CACHE, where the clean systems are kept.
set -euo pipefail
suite=${1:?usage: freshrun.sh SUITE SCREENSHOT}
shot=$(realpath -m "${2:?usage: freshrun.sh SUITE SCREENSHOT}")
src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cache=${QUORVANE_CHROOT_CACHE:-/var/cache/quorvane/chroot}
. "$src/tests/data/cleanchroot.sh"

tarball=$cache/$suite-minbase.tar
if [ ! -s "$tarball" ]; then
    mapfile -t opts < <(suite_aptopts)
    mmdebstrap --quiet --variant=minbase --mode=root --format=tar "${opts[@]}" "$suite" "$tarball.new"
    mv "$tarball.new" "$tarball"
fi

work=$(mktemp -d)
root=$(mktemp -d "$cache/root.XXXXXX")
xvfb=""
runner=""
cleanup() {
    set +e
    cp "$work/run.log" "${shot%.*}.log" 2> /dev/null
    # Everything still running in the fresh system, the program included.
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2> /dev/null)" = "$root" ] && kill "${p#/proc/}" 2> /dev/null
    done
    [ -n "$runner" ] && kill "$runner" 2> /dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2> /dev/null
    wait 2> /dev/null
    grep -q " $root" /proc/self/mounts || rm -rf "$root"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

. "$src/tests/support/privatexvfb.sh"
private_xvfb "$work" 800x600

# The working tree as committed plus any change not yet committed, in root's
# home as a clone would be; the X server's socket is the only thing shared.
tar -C "$root" --same-owner -xpf "$tarball"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir "$root/root/quorvane"
snapshot=$(git -C "$src" stash create)
git -C "$src" archive "${snapshot:-HEAD}" | tar -x -C "$root/root/quorvane"
started=$SECONDS
QUORVANE_CHROOT_BIND=/tmp/.X11-unix chroot_enter "$root" env DISPLAY="$DISPLAY" \
    sh -c 'cd /root/quorvane && tools/quorvane.sh run' > "$work/run.log" 2>&1 &
runner=$!

# Installing and building take minutes; the window is looked for until the runner ends.
while kill -0 "$runner" 2> /dev/null; do
    if xwininfo -root -children 2> /dev/null | grep -q '("quorvane"'; then
        echo "title window shown $((SECONDS - started)) s after the command started"
        sleep 2
        import -window root "$shot"
        grep -q 'cannot read picture' "$work/run.log" && { echo "pictures missing:"; cat "$work/run.log"; exit 1; }
        echo "screen saved in $shot"
        exit 0
    fi
    sleep 2
done
echo "the command ended without a window:"
tail -n 60 "$work/run.log"
exit 1
