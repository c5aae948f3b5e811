#!/usr/bin/env bash
# Builds zhcalc and its command-line evaluator zhcalc-eval on a Debian 12 machine,
# installing what they need, and starts the calculator. With a display ($DISPLAY or
# $WAYLAND_DISPLAY) it opens there; without one it runs on a private Xvfb server for
# a few seconds, saves a screenshot and says where.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/packages.sh"
has_display() { [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; }
if has_display; then install_needs build; else install_needs build screenshot; fi
# The manual pages and icons too, for `cmake --install`.
ZHCALC_WITH_TESTS=0 "$root/scripts/build.sh" release zhcalc zhcalc-eval zhcalc_packaging_files
program="$root/build/release/src/app/zhcalc"

has_display && exec "$program"

# No display: a private X server, the program on it, one screenshot.
source "$root/scripts/lib/private-xvfb.sh"
app=
trap '[[ -n $app ]] && kill "$app" 2>/dev/null; [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null' EXIT
start_private_xvfb

"$program" &
app=$!
for _ in $(seq 200); do
    xdotool search --onlyvisible --class '^zhcalc$' 2>/dev/null | grep -q . && break
    kill -0 "$app" 2>/dev/null || { echo "zhcalc exited" >&2; exit 1; }
    sleep 0.05
done
sleep 0.5  # let the first paint and the colour key settle
shot="$root/build/release/zhcalc-screenshot.png"
import -window root "$shot"
echo "No display: zhcalc ran on a private Xvfb server ($DISPLAY)."
echo "Screenshot saved to $shot"
