#!/usr/bin/env bash
# Sets up a Debian 12 or 13 machine (or unstable) for Quorvane 2 and builds
# it, then starts the program ("run") or runs every test, normal and
# sanitized, and builds the Debian packages for Debian 12, 13 and unstable
# ("test"). Every package named here has the same name in the three releases.
set -euo pipefail

action=${1:-run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# What building and running the program needs.
packages=(cmake ninja-build g++ pkgconf qt6-base-dev libgl-dev libgif-dev libimagequant-dev libxcb1-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-wayland
          fonts-liberation fonts-wine fonts-dejavu-core fonts-noto-core fonts-noto-cjk)
# What the tests add: the test framework, a fuzzing compiler, virtual
# displays, window managers and a compositor, the accessibility bus and
# the screen reader with its speech, OCR in four scripts, the static checks,
# and Debian's packaging tools and checks.
test_packages=(libgtest-dev libgmock-dev libicu-dev clang libclang-rt-dev
               xvfb xauth x11-utils openbox xdotool wmctrl weston xwayland
               dbus dbus-bin dbus-daemon at-spi2-core python3 python3-pyatspi
               tesseract-ocr tesseract-ocr-ara tesseract-ocr-heb tesseract-ocr-chi-sim tesseract-ocr-jpn
               orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng libasound2-data
               git dpkg-dev debhelper lintian blhc file desktop-file-utils appstream
               clang-format clang-tidy cppcheck
               mmdebstrap uidmap autopkgtest piuparts diffoscope-minimal)

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 \
        --no-install-recommends "${missing[@]}"
}

build() {  # build <folder> [cmake options...]
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
    cmake --build "$dir" -j "$jobs"
}

# The package test's clean systems (autopkgtest's unshare runner) map root to
# subordinate ids; a fresh machine has none set aside for root.
subordinate_ids() {
    local sudo=() f
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    for f in /etc/subuid /etc/subgid; do
        grep -qs '^root:' "$f" || echo 'root:1000000:65536' | "${sudo[@]}" tee -a "$f" > /dev/null
    done
}

private_runtime_dir() {
    if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -w "${XDG_RUNTIME_DIR}" ]; then
        XDG_RUNTIME_DIR=$(mktemp -d /tmp/quorvane-runtime.XXXXXX)
        chmod 700 "$XDG_RUNTIME_DIR"
        export XDG_RUNTIME_DIR
    fi
}

# Everything that can be said wrong is said before anything is installed or built.
case "$action" in
    run)
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            echo "No display to show the program on (DISPLAY is not set)." >&2
            exit 1
        fi
        ;;
    test) ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac

case "$action" in
    run) install_missing "${packages[@]}" ;;
    test) install_missing "${packages[@]}" "${test_packages[@]}" ;;
esac
private_runtime_dir
case "$action" in
    run)
        build "$root/build" -DQUORVANE_TESTS=OFF
        cd "$root/build/run"
        exec ./quorvane
        ;;
    test)
        # One optimized build, the Debian package's, made in a clean Debian 12
        # system as Debian's build daemons make it: dpkg-buildpackage runs the
        # quick suite on the offscreen platform, lintian must find nothing to
        # warn of, the unpacked program must start, and the installed one is
        # played to the verdict (autopkgtest). The tests that need a real X
        # server and the static checks then run on that same build. The clean
        # systems are kept between runs, outside the working tree.
        export QUORVANE_CHROOT_CACHE=${QUORVANE_CHROOT_CACHE:-/var/cache/quorvane/chroot}
        package=$root/build-package
        subordinate_ids
        QUORVANE_PACKAGE_CHECKS=autopkgtest \
            bash "$root/tests/data/packagetest.sh" "$root" "$root/tests/program/titlewindow.sh" "$package"
        # The same package built and tested with Debian 13's Qt 6.8 and GCC 14,
        # then installed and played there, and installed, removed and purged;
        # and with unstable's newest Qt, GCC and CMake, as Debian's build
        # daemons will build an upload.
        QUORVANE_SUITE=trixie QUORVANE_PACKAGE_CHECKS="autopkgtest piuparts" \
            bash "$root/tests/data/packagetest.sh" "$root" "" "$root/build-trixie"
        QUORVANE_SUITE=sid QUORVANE_PACKAGE_CHECKS=none \
            bash "$root/tests/data/packagetest.sh" "$root" "" "$root/build-sid"
        # Built again elsewhere, later, without the tests, as -A then -B: the
        # same .deb files byte for byte.
        bash "$root/tests/data/reproducible.sh" "$root" "$package"
        packaged=$(echo "$package"/quorvane/obj-*)
        ctest --test-dir "$packaged" --output-on-failure -j "$jobs" -L display -LE soak
        bash "$root/tools/staticchecks.sh" "$packaged" "$package/quorvane"
        # A minute of fuzzing the quiz's answer reader, from the kept corpus;
        # what it learns stays in the build folder, the corpus is not touched.
        CXX=clang++ cmake -S "$root/tests/fuzz/fuzzer" -B "$root/build-fuzz" -G Ninja > /dev/null
        cmake --build "$root/build-fuzz"
        mkdir -p "$root/build-fuzz/learnt"
        "$root/build-fuzz/answerreader_fuzzer" -max_total_time=60 -timeout=5 -max_len=4096 \
            -artifact_prefix="$root/build-fuzz/" -print_final_stats=1 \
            "$root/build-fuzz/learnt" "$root/tests/fuzz/corpus"
        # The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
        build "$root/build-sanitize" -DQUORVANE_SANITIZE=ON -DQUORVANE_BENCHMARKS=OFF
        ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs" -LE soak
        # Last, a school morning of use, with LeakSanitizer on.
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            ctest --test-dir "$root/build-sanitize" --output-on-failure -L soak
        ;;
esac
