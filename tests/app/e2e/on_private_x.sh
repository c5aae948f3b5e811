#!/usr/bin/env bash
# Runs a command on the xcb platform of a private Xvfb server, so that widget tests
# also see the real X11 window system (fonts, masks, painting) behave as they expect.
#
#   on_private_x.sh COMMAND [ARGUMENT...]
#
# Exit status 77 means skipped (no Xvfb); otherwise the command's own.
set -uo pipefail
source "$(cd "$(dirname "$0")" && pwd)/e2e_lib.sh"
require_tools Xvfb
source "$(cd "$(dirname "$0")/../../.." && pwd)/scripts/lib/private-xvfb.sh"
start_private_xvfb "$work/xvfb.log" || fail "Xvfb did not start"
pids+=("$XVFB_PID")
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
# A leak checker (a sanitizer build) is told of the one buffer libdbus never frees.
lsan_options="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan_x11.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" LSAN_OPTIONS="$lsan_options" "$@"
