# Sourced by the package scripts: a minimal Debian system made with Debian's
# own tools, as the build daemons build in, kept as tarballs in a cache folder.
# $suite names the release (bookworm unless the caller set it: trixie, sid).
#
#   chroot_base <cache>             sets base_tarball: mmdebstrap --variant=buildd
#                                   (essential packages and build-essential only)
#   chroot_for_build <cache> <src>  sets build_tarball: that system plus what
#                                   <src>/debian/control names in Build-Depends
#                                   and lintian (so that the release's own
#                                   lintian checks what was built there), kept
#                                   under a name made from that field
#   chroot_run <tarball> <folder> <command...>
#                                   unpacks the tarball into a fresh root, makes
#                                   <folder> appear there at its own path, and
#                                   runs the command in it as root; afterwards
#                                   the root is gone and whatever the command
#                                   left in <folder> is there on the host, with
#                                   every absolute path in it still true.
# Needs root (the test command runs as root or through sudo).
# No mirror is named: mmdebstrap takes Debian's own, with the release's
# updates and security suites, as a build daemon has them.
suite=${suite:-bookworm}

# Debian's mirror may serve unstable's Release file past its Valid-Until date.
suite_aptopts() {
    [ "$suite" = sid ] && echo '--aptopt=Acquire::Check-Valid-Until "false"'
    return 0
}

chroot_base() {
    base_tarball=$1/$suite-buildd.tar
    [ -s "$base_tarball" ] && return 0
    mkdir -p "$1"
    echo "making a minimal $suite system (mmdebstrap --variant=buildd)"
    local opts
    mapfile -t opts < <(suite_aptopts)
    mmdebstrap --quiet --variant=buildd --mode=root --format=tar "${opts[@]}" "$suite" "$base_tarball.new" ||
        { rm -f "$base_tarball.new"; return 1; }
    mv "$base_tarball.new" "$base_tarball"
}

chroot_for_build() {
    local cache=$1 src=$2 key extra=lintian
    chroot_base "$cache" || return 1
    # Only the field matters: another change of debian/control keeps the system.
    key=$({ sed -n '/^Build-Depends/,/^[^ ]/p' "$src/debian/control"; echo "$extra"; } | sha256sum | cut -c1-12)
    build_tarball=$cache/$suite-build-$key.tar
    [ -s "$build_tarball" ] && return 0
    echo "installing the Build-Depends into it (apt-get build-dep)"
    local root=$cache/root-$suite-$key
    rm -rf "$root"
    mkdir -p "$root/tmp/source/debian"
    tar -C "$root" --same-owner -xpf "$base_tarball" || return 1
    cp "$src/debian/control" "$root/tmp/source/debian/control"
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2> /dev/null || true
    chroot_enter "$root" env DEBIAN_FRONTEND=noninteractive EXTRA="$extra" sh -c \
        'apt-get update -qq && apt-get build-dep -y -qq --no-install-recommends /tmp/source > /tmp/build-dep.log 2>&1 &&
         { [ -z "$EXTRA" ] || apt-get install -y -qq --no-install-recommends $EXTRA >> /tmp/build-dep.log 2>&1; } ||
         { tail -n 40 /tmp/build-dep.log; exit 1; }; apt-get clean; rm -rf /tmp/source /tmp/build-dep.log' ||
        { rm -rf "$root"; return 1; }
    tar -C "$root" --numeric-owner -cf "$build_tarball.new" . && mv "$build_tarball.new" "$build_tarball"
    rm -rf "$root"
    # Older systems made for other Build-Depends are not needed any more.
    find "$cache" -maxdepth 1 -name "$suite-build-*.tar" ! -path "$build_tarball" -delete
}

# chroot_enter <root> <command...>: the command in that root, with /proc, /sys
# and /dev of its own mount namespace, so nothing stays mounted afterwards
# (and a host name of its own when QUORVANE_CHROOT_HOSTNAME gives one).
chroot_enter() {
    local root=$1
    shift
    unshare --mount --uts --propagation private --fork -- bash -c '
        root=$1; shift
        [ -z "${QUORVANE_CHROOT_HOSTNAME:-}" ] || hostname "$QUORVANE_CHROOT_HOSTNAME"
        mount -t proc proc "$root/proc" && mount --rbind /sys "$root/sys" && mount --rbind /dev "$root/dev" || exit 1
        if [ -n "${QUORVANE_CHROOT_BIND:-}" ]; then
            mkdir -p "$root$QUORVANE_CHROOT_BIND" && mount --bind "$QUORVANE_CHROOT_BIND" "$root$QUORVANE_CHROOT_BIND" || exit 1
        fi
        exec chroot "$root" env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin HOME=/root "$@"
    ' chroot-enter "$root" "$@"
}

chroot_run() {
    local tarball=$1 folder=$2 root status
    shift 2
    root=$(mktemp -d "$(dirname "$tarball")/root.XXXXXX")
    tar -C "$root" --same-owner -xpf "$tarball" || { rm -rf "$root"; return 1; }
    QUORVANE_CHROOT_BIND=$folder chroot_enter "$root" "$@"
    status=$?
    # The namespace and its mounts ended with the command: only the unpacked root goes.
    if grep -q " $root" /proc/self/mounts; then
        echo "something is still mounted under $root; left in place"
        return 1
    fi
    rm -rf "$root"
    return $status
}
