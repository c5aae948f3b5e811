#!/usr/bin/env bash
# End-to-end test of the calculator's colour key on scaled screens: the real program
# under a private X server with openbox, at the scale factors 1, 1.25, 1.5, 1.75 and 2.
# At each, the holes of the window's X shape must be exactly the pure aqua pixels of
# the window's own picture, at rest, with the register-clear key held down (its
# darker picture has no aqua where the cyan bar was) and after its release.
#
#   colour_key_scale_e2e.sh PROGRAM OUTPUT_DIR
#
# The window's own picture is what the X server shows of it once the shape is taken
# off: the program then repaints the uncovered pixels from its backing store, the
# same pixels its shape was cut from. Exit status 77 means skipped (a missing tool).
set -uo pipefail

program=$1
out_dir=$2
mkdir -p "$out_dir"
here=$(cd "$(dirname "$0")" && pwd)
shape_tool=("/usr/bin/python3" "$here/window_shape.py")

source "$(cd "$(dirname "$0")" && pwd)/e2e_lib.sh"

require_tools Xvfb xdotool xwininfo openbox import convert
/usr/bin/python3 -c 'import Xlib.ext.shape' 2>/dev/null ||
    skip "python3-xlib is not installed (scripts/install-deps.sh)"

start_x_desktop

scale=none
shot() {
    local file="$out_dir/zhcalc-colour-key-scale-${scale}-$1.png"
    save_screen "$file"
}

# The register-clear key's left (yellow) bar, in logical client coordinates: the
# key's middle is background, outside its outline, and its cyan bar is a hole.
key_x=236 key_y=196

for scale in 1 1.25 1.5 1.75 2; do
    read -r width height key_cx key_cy < <(awk -v s="$scale" -v x=$key_x -v y=$key_y 'BEGIN {
        printf "%d %d %d %d\n", int(476 * s + 0.5), int(308 * s + 0.5), int(x * s), int(y * s) }')
    start_zhcalc "$program" "$work/zhcalc-$scale.log" LANG=C LC_ALL=C QT_SCALE_FACTOR="$scale"
    wait_for 5 "${shape_tool[@]}" shaped "$wid" || fail "the window has no shape at scale $scale"
    xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid"
    [[ $scale == 1 || $scale == 2 ]] && shot "at-rest"

    own="$work/own-$scale.ppm"
    holes=$("${shape_tool[@]}" check "$wid" "$width" "$height" "$own" 2>&1) ||
        fail "at rest, scale $scale: $holes"
    ((holes > 0)) || fail "at rest, scale $scale: no holes although the about line is aqua"
    echo "ok: scale $scale, ${width}x${height}: the $holes holes are the aqua pixels"

    # Held down, the key shows its darker picture; its holes go with the cyan bar.
    xdotool mousemove --window "$wid" "$key_cx" "$key_cy" mousedown 1
    wait_for 5 "${shape_tool[@]}" shaped "$wid" ||
        fail "scale $scale: pressing the register-clear key cut no shape"
    [[ $scale == 1 || $scale == 2 ]] && shot "key-down"
    down=$("${shape_tool[@]}" check "$wid" "$width" "$height" 2>&1) ||
        { xdotool mouseup 1; fail "key held down, scale $scale: $down"; }
    xdotool mouseup 1
    ((down < holes)) || fail "scale $scale: the pressed key left $down holes of $holes"
    echo "ok: scale $scale, key held down: the $down holes are the aqua pixels"

    wait_for 5 "${shape_tool[@]}" shaped "$wid" ||
        fail "scale $scale: releasing the register-clear key cut no shape"
    up=$("${shape_tool[@]}" check "$wid" "$width" "$height" 2>&1) ||
        fail "key released, scale $scale: $up"
    ((up == holes)) || fail "scale $scale: $up holes after the release, $holes before the press"
    echo "ok: scale $scale, key released: the holes are back"

    if [[ $scale == 1 || $scale == 2 ]]; then
        convert "$own" "$out_dir/zhcalc-colour-key-scale-${scale}-own-picture.png"
    fi
    kill "$zhcalc_pid"
    wait "$zhcalc_pid" 2>/dev/null
    wait_for 5 sh -c "! xdotool search --onlyvisible --class '^zhcalc\$' | grep -q ." ||
        fail "the calculator window stayed after the program ended"
done
echo "PASSED"
