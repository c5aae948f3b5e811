#!/usr/bin/env bash
# End-to-end test of what a screen reader gets from zhcalc: the program runs on a
# private X server with a private session bus and the accessibility bus on it, Qt's
# AT-SPI bridge on, and a11y_check.py reads the bus with Debian's python3-pyatspi
# while xdotool types and clicks.
#
#   zhcalc_a11y_e2e.sh PROGRAM OUTPUT_DIR
#
# Exit status 77 means skipped (a missing tool or module).
set -uo pipefail

program=$1
out_dir=$2
mkdir -p "$out_dir"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e_lib.sh"

require_tools Xvfb xdotool xwininfo openbox import dbus-daemon
[[ -x /usr/libexec/at-spi-bus-launcher ]] || skip "at-spi2-core is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"

start_x_desktop
shot() { save_screen "$out_dir/zhcalc-a11y-e2e-$1.png"; }

# A session bus of our own; the accessibility bus is started on it on demand.
exec 3>"$work/bus-address" 4>"$work/bus-pid"
dbus-daemon --session --fork --print-address=3 --print-pid=4 || fail "dbus-daemon did not start"
exec 3>&- 4>&-
bus_pid=$(head -n1 "$work/bus-pid")
[[ -n $bus_pid ]] && pids=("$bus_pid" "${pids[@]}")
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus-address")
[[ -n $DBUS_SESSION_BUS_ADDRESS ]] || fail "no session bus address"

# The decimal separator of the C locale is the point.
start_zhcalc "$program" "$work/zhcalc.log" LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

/usr/bin/python3 "$here/a11y_check.py" "$wid" "." || fail "the accessibility bus is not as expected"
shot "about"
kill -0 "$zhcalc_pid" 2>/dev/null || fail "zhcalc exited"
echo "PASSED"
