#!/usr/bin/env bash
# End-to-end test of the zhcalc program in a Wayland session: a private headless
# weston with XWayland, screenshots through weston-screenshooter.
#
#   zhcalc_wayland_e2e.sh PROGRAM OUTPUT_DIR
#
# 1. WAYLAND_DISPLAY and DISPLAY: the window is an X window on XWayland whose X shape
#    has holes.
# 2. WAYLAND_DISPLAY only: the window runs natively and stays up; the colour key's
#    aqua shows where the holes were, pixel for pixel.
# 3. QT_QPA_PLATFORM=wayland with both displays: the user's choice stands.
# 4. A DISPLAY whose server is gone: the calculator still comes up, natively.
#
# Exit status 77 means skipped (a missing tool, or a compositor that cannot start).
set -uo pipefail

program=$1
out_dir=$2
mkdir -p "$out_dir"

source "$(cd "$(dirname "$0")" && pwd)/e2e_lib.sh"

require_tools weston Xwayland weston-screenshooter xdotool xwininfo convert
/usr/bin/python3 -c "import Xlib.ext.shape" 2>/dev/null ||
    skip "python3-xlib is not installed (scripts/install-deps.sh)"
# Without Qt's Wayland plugin Qt never picks Wayland, and there is nothing to test.
compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
    skip "Qt's Wayland plugin is not installed (qt6-wayland)"
# XWayland listens on a socket there; X servers make the folder themselves.
[[ -d /tmp/.X11-unix ]] || mkdir -m 1777 /tmp/.X11-unix 2>/dev/null ||
    skip "/tmp/.X11-unix is missing and cannot be made"

mkdir -p "$work/runtime" "$work/home" "$work/shots"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE

# --debug lets weston-screenshooter take pictures; XWayland starts on the first X
# client and takes the first free display number, which weston logs.
socket=zhcalc-e2e-$$
weston --backend=headless-backend.so --use-pixman --xwayland --debug --no-config \
    --socket="$socket" --width=800 --height=600 --idle-time=0 --log="$work/weston.log" \
    >"$work/weston.out" 2>&1 &
pids+=($!)
xdisplay() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log"; }
wait_for 10 test -S "$XDG_RUNTIME_DIR/$socket" ||
    skip "weston did not start: $(tail -3 "$work/weston.log")"
wait_for 10 sh -c "grep -q 'xserver listening on display' '$work/weston.log'" ||
    skip "weston did not offer XWayland: $(tail -3 "$work/weston.log")"
xwayland=$(xdisplay)
echo "weston on $socket, XWayland on $xwayland"

# Saves a screenshot of the whole compositor as $out_dir/zhcalc-wayland-NAME.png and
# prints its path.
shot() {
    rm -f "$work/shots"/*.png
    (cd "$work/shots" && WAYLAND_DISPLAY=$socket weston-screenshooter) >/dev/null 2>&1 || return 1
    local taken=("$work/shots"/*.png)
    [[ -f ${taken[0]} ]] || return 1
    mv "${taken[0]}" "$out_dir/zhcalc-wayland-$1.png" && echo "$out_dir/zhcalc-wayland-$1.png"
}
# Counts the pixels of exactly the colour `hex` (RRGGBB) in `file`.
pixels_of() {
    convert "$1" -format %c histogram:info:- | awk -v c="#$2" 'toupper($3) == c { n += $1 }
        END { print n + 0 }'
}
# The window's captions are pure green, and nothing else on weston's desktop is.
green=008000 aqua=00FFFF
holes=0
window_on_screen() { local f; f=$(shot "$1") && (($(pixels_of "$f" $green) > 200)); }

# Prints the width and height of X window `$2` on display `$1`, the number of its
# pixels outside its X shape (its bounding shape), and the first and last row that
# has such a hole.
x_holes() {
    /usr/bin/python3 - "$1" "$2" <<'PYTHON'
import sys
from Xlib import display
from Xlib.ext import shape

window = display.Display(sys.argv[1]).create_resource_object("window", int(sys.argv[2]))
geometry = window.get_geometry()
width, height = geometry.width, geometry.height
covered = [bytearray(width) for _ in range(height)]
for r in window.shape_get_rectangles(shape.SK.Bounding).rectangles:
    for y in range(max(r.y, 0), min(r.y + r.height, height)):
        x0, x1 = max(r.x, 0), min(r.x + r.width, width)
        covered[y][x0:x1] = b"\1" * max(x1 - x0, 0)
rows = [y for y in range(height) if covered[y].count(0)]
holes = sum(covered[y].count(0) for y in rows)
print(width, height, holes, rows[0] if rows else -1, rows[-1] if rows else -1)
PYTHON
}

zhcalc_pid=
start() {
    env "$@" "$program" >"$work/zhcalc.log" 2>&1 &
    zhcalc_pid=$!
    pids+=($zhcalc_pid)
}
# Ends the program and waits until the compositor no longer shows its window, so
# that the next run's screenshots see only the next run's window.
stop() {
    kill "$zhcalc_pid" 2>/dev/null && wait "$zhcalc_pid" 2>/dev/null
    zhcalc_pid=
    wait_for 10 window_gone || fail "the ended calculator's window stays on the screen"
    rm -f "$out_dir/zhcalc-wayland-gone.png"
}
window_gone() { local f; f=$(shot gone) && (($(pixels_of "$f" $green) == 0)); }
alive() { kill -0 "$zhcalc_pid" 2>/dev/null; }
x_window() { DISPLAY=$xwayland xdotool search --onlyvisible --class '^zhcalc$' | head -n1; }
no_x_window() { [[ -z $(x_window 2>/dev/null) ]]; }

# 1. Through XWayland.
start WAYLAND_DISPLAY="$socket" DISPLAY="$xwayland" XDG_SESSION_TYPE=wayland
wait_for 15 sh -c "DISPLAY=$xwayland xdotool search --onlyvisible --class '^zhcalc\$' | grep -q ." ||
    fail "no calculator window on XWayland $xwayland: $(head -3 "$work/zhcalc.log")"
wid=$(x_window)
shaped() { DISPLAY=$xwayland xwininfo -id "$wid" -shape | grep -q "Window shape extents"; }
wait_for 5 shaped || fail "the window on XWayland has no X shape"
read -r width height holes top bottom < <(x_holes "$xwayland" "$wid") ||
    fail "cannot read the X shape of window $wid"
echo "X window $wid on $xwayland: ${width}x$height, $holes pixels of holes in rows $top to $bottom"
((holes > 0)) || fail "the window's X shape has no holes"
file=$(shot xwayland) || fail "no screenshot"
echo "ok: WAYLAND_DISPLAY and DISPLAY -> window on XWayland with holes in its X shape ($file)"
stop

# 2. Natively, where the session has no XWayland. The pixels that were holes on
# XWayland are drawn in aqua, all of them, once the first frame is on the screen.
start WAYLAND_DISPLAY="$socket" XDG_SESSION_TYPE=wayland
file=$out_dir/zhcalc-wayland-native.png
aqua_shows() { window_on_screen native && (($(pixels_of "$file" $aqua) == holes)); }
wait_for 15 aqua_shows ||
    fail "natively no window, or $(pixels_of "$file" $aqua) aqua pixels where XWayland had" \
        "$holes pixels of holes ($file): $(head -3 "$work/zhcalc.log")"
alive || fail "the calculator ended after showing its window natively"
no_x_window || fail "the calculator without DISPLAY has a window on XWayland"
echo "ok: WAYLAND_DISPLAY only -> native window, still running, aqua letters shown ($file)"
stop

# 3. The user's own platform.
start WAYLAND_DISPLAY="$socket" DISPLAY="$xwayland" QT_QPA_PLATFORM=wayland
wait_for 15 window_on_screen user-wayland || fail "no calculator window with QT_QPA_PLATFORM=wayland"
no_x_window || fail "QT_QPA_PLATFORM=wayland was overridden: the window is on XWayland"
alive || fail "the calculator ended with QT_QPA_PLATFORM=wayland"
echo "ok: QT_QPA_PLATFORM=wayland with DISPLAY -> native window"
stop

# 4. A DISPLAY that names no server falls back to Wayland.
start WAYLAND_DISPLAY="$socket" DISPLAY=:999
wait_for 15 window_on_screen dead-display || fail "no calculator window with a dead DISPLAY"
alive || fail "the calculator ended with a dead DISPLAY"
echo "ok: WAYLAND_DISPLAY with a dead DISPLAY -> native window"
stop

echo "PASSED"
