#!/usr/bin/env bash
# Start-up and one painted tick on Debian 12 against Debian 13: bench/run.sh's
# first two parts on this machine, then the same in a clean Debian 13 system
# (the package test's cached build system, with Google Benchmark, Xvfb,
# xdotool and strace added for the run), each building its own folder.
#
# Usage: bench/releases.sh            (as root: the Debian 13 system needs it)
# Environment: QUORVANE_BENCH_STARTS, as for bench/run.sh;
#              QUORVANE_CHROOT_CACHE, where the clean systems are kept.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QUORVANE_BENCH_PARTS="startup ticks"
export QUORVANE_BENCH_STARTS=${QUORVANE_BENCH_STARTS:-20}

echo "== this machine: $(. /etc/os-release && echo "$PRETTY_NAME")"
bash "$root/bench/run.sh" "$root/build-bench"

suite=trixie
. "$root/tests/data/cleanchroot.sh"
chroot_for_build "${QUORVANE_CHROOT_CACHE:-/var/cache/quorvane/chroot}" "$root"
echo "== a clean Debian 13 system"
chroot_run "$build_tarball" "$root" env DEBIAN_FRONTEND=noninteractive \
    QUORVANE_BENCH_PARTS="$QUORVANE_BENCH_PARTS" QUORVANE_BENCH_STARTS="$QUORVANE_BENCH_STARTS" sh -c "
    apt-get update -qq && apt-get install -y -qq --no-install-recommends \
        libbenchmark-dev xvfb xauth x11-utils xdotool strace > /dev/null &&
    bash '$root/bench/run.sh' '$root/build-bench-trixie'"
