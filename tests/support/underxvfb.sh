#!/usr/bin/env bash
# Runs a command (a test program, or a script that starts the program) on the
# X11 platform against a private Xvfb of the classroom size, 800 by 600.
set -u
work=$(mktemp -d)
xvfb=
trap 'kill $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/privatexvfb.sh"
private_xvfb "$work" 800x600 || exit 1
QT_QPA_PLATFORM=xcb "$@"
