#!/usr/bin/env bash
# The tray with the modal about window open: minimizing the calculator, or the about
# window itself, sends both to the tray; one click on the icon brings back the
# calculator and above it the about window, still modal and working; once it is
# closed the calculator takes input again.
#
#   tray_about_e2e.sh PROGRAM OUTPUT_DIR
set -uo pipefail

program=$1
out_dir=$2
mkdir -p "$out_dir"
source "$(cd "$(dirname "$0")" && pwd)/e2e_lib.sh"

require_tools Xvfb xdotool xclip xwininfo xprop openbox trayer import

start_x_desktop
shot() { save_screen "$out_dir/zhcalc-tray-about-$1.png"; }

start_tray_host
start_zhcalc "$program" "$work/zhcalc.log" LANG=C LC_ALL=C

map_state() { xwininfo -id "$1" 2>/dev/null | awk '/Map State:/ {print $3}'; }
viewable() { [[ $(map_state "$1") == IsViewable ]]; }
withdrawn() { ! viewable "$1" && ! xprop -id "$1" WM_STATE 2>/dev/null | grep -q Iconic; }
# The about window: the program's window with that caption.
about_window() {
    local w
    for w in $(xdotool search --class '^zhcalc$'); do
        xprop -id "$w" _NET_WM_NAME 2>/dev/null | grep -qF "Эбаут и прочие настройки" && echo "$w"
    done | head -n1
}
# The tray icon: the program's visible window that is neither of the two.
tray_icon() { zhcalc_windows | grep -vx -e "$wid" -e "${about:-0}" | head -n1; }
# Whether window $1 is stacked above window $2 (openbox's stacking list, bottom first).
above() {
    local list
    list=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    local i=0 a=-1 b=-1 w
    for w in $list; do
        (($(printf %d "$w") == $1)) && a=$i
        (($(printf %d "$w") == $2)) && b=$i
        i=$((i + 1))
    done
    ((a > b && b >= 0))
}

# through_tray LABEL MODAL TARGET: minimizing TARGET (the calculator or its modal
# window MODAL) sends both to the tray; one click on the icon brings both back, MODAL
# above the calculator.
through_tray() {
    local label=$1 modal=$2 target=$3
    xdotool windowminimize "$target"
    wait_for 5 withdrawn "$wid" || fail "$label: the calculator did not go to the tray ($(map_state "$wid"))"
    wait_for 5 sh -c "[ -n \"\$(xdotool search --onlyvisible --class '^zhcalc\$' | grep -vx -e $wid -e $modal)\" ]" ||
        fail "$label: no icon in the tray"
    viewable "$modal" && fail "$label: the modal window stayed on screen without its calculator"
    about=$modal
    local icon
    icon=$(tray_icon)
    shot "${label// /-}-tray"
    eval "$(xdotool getwindowgeometry --shell "$icon")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
    wait_for 5 viewable "$wid" || fail "$label: a click on the icon did not bring the calculator back"
    wait_for 5 viewable "$modal" || fail "$label: the modal window did not come back"
    wait_for 5 above "$modal" "$wid" || fail "$label: the modal window is not above the calculator"
    shot "${label// /-}-restored"
}

# check_round TARGET LABEL: minimizes the calculator or the about window, then brings both
# back by a click on the tray icon and checks the about window there works.
round=0
check_round() {
    local target=$1 label=$2
    round=$((round + 1))
    xdotool windowactivate --sync "$wid" >/dev/null 2>&1
    xdotool key Escape
    xdotool type "9"
    xdotool mousemove --window "$wid" 20 294 click 1  # the about label, off its letters
    wait_for 5 sh -c "[ -n \"\$(for w in \$(xdotool search --class '^zhcalc\$'); do xprop -id \$w _NET_WM_NAME | grep -F 'Эбаут'; done)\" ]" ||
        fail "$label: the about window did not open"
    about=$(about_window)
    wait_for 5 viewable "$about" || fail "$label: the about window is not viewable"
    [[ $target == calculator ]] && target_id=$wid || target_id=$about
    through_tray "round $round" "$about" "$target_id"
    # Still modal: a click on the calculator's "1" does nothing.
    xdotool mousemove --window "$wid" 35 60 click 1
    # Still working: C->K converts the edit's 0, and the edit's text copies out.
    xdotool mousemove --window "$about" 348 44 click 1
    xdotool mousemove --window "$about" 400 17 click 1 key ctrl+a ctrl+c
    wait_for 5 clipboard_is "273.15" ||
        fail "$label: the converter reads '$(clipboard_text)', expected 273.15"
    # Closed, the calculator takes input again, and the "1" never reached it.
    xdotool key Escape  # the about window has the focus
    wait_for 5 sh -c "! xwininfo -id $about 2>/dev/null | grep -q IsViewable" ||
        fail "$label: the about window did not close on Escape"
    xdotool windowactivate --sync "$wid" >/dev/null 2>&1
    xdotool key ctrl+c
    wait_for 5 clipboard_is "9" ||
        fail "$label: the display copies as '$(clipboard_text)' (a click went through the modal window?)"
    xdotool key Escape
    xdotool type "4*$round"
    xdotool key Return ctrl+c
    wait_for 5 clipboard_is "$((4 * round))" ||
        fail "$label: after the about window closed the calculator copies '$(clipboard_text)', expected $((4 * round))"
    echo "ok: $label: both to the tray, back by one click, the about window above and working"
}

check_round calculator "the calculator minimized"
check_round about "the about window minimized"

# The same with an error box open ("1+" has no second operand): it comes back above
# the calculator, and once it is closed the calculator takes input again.
xdotool windowactivate --sync "$wid" >/dev/null 2>&1
xdotool key Escape
xdotool type "1+"
xdotool key Return
error_box() { zhcalc_windows | grep -vx "$wid" | head -n1; }
wait_for 5 sh -c "xdotool search --onlyvisible --class '^zhcalc\$' | grep -vxq $wid" ||
    fail "error box: no box for 1+"
box=$(error_box)
xprop -id "$box" _NET_WM_NAME | grep -qF "ЖЫЖ" || fail "error box: the new window is not the error box"
through_tray "error box" "$box" "$wid"
xdotool windowactivate --sync "$box" >/dev/null 2>&1
xdotool key Return
wait_for 5 sh -c "! xwininfo -id $box 2>/dev/null | grep -q IsViewable" ||
    fail "error box: the box did not close"
xdotool windowactivate --sync "$wid" >/dev/null 2>&1
xdotool key Escape
xdotool type "6*7"
xdotool key Return ctrl+c
wait_for 5 clipboard_is "42" || fail "error box: after the box the calculator copies '$(clipboard_text)'"
echo "ok: an error box open: both to the tray, back by one click, the box above"
kill -0 "$zhcalc_pid" 2>/dev/null || fail "zhcalc exited"
echo "PASSED"
