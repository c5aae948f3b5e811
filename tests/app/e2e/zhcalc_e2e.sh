#!/usr/bin/env bash
# End-to-end test of the zhcalc program on a private X server, driven by real X
# clients: xdotool types and clicks, xclip reads and offers the clipboard, openbox
# minimizes, trayer hosts the notification area.
#
#   zhcalc_e2e.sh PROGRAM LOCALE OUTPUT_DIR
#
# Exit status 77 means skipped (a missing tool, or a locale that cannot be made).
set -uo pipefail

program=$1
want_locale=$2
out_dir=$3
mkdir -p "$out_dir"

source "$(cd "$(dirname "$0")" && pwd)/e2e_lib.sh"

require_tools Xvfb xdotool xclip xwininfo xdpyinfo openbox trayer import

# The Russian locale is generated where it is missing (needs root).
have_locale() { locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/' |
                grep -qx "$(echo "$1" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')"; }
if [[ $want_locale != C ]] && ! have_locale "$want_locale"; then
    if [[ $(id -u) -eq 0 && -f /etc/locale.gen ]] && command -v locale-gen >/dev/null; then
        sed -i "s/^# *${want_locale//./\\.}/${want_locale}/" /etc/locale.gen
        locale-gen >/dev/null 2>&1
    fi
    have_locale "$want_locale" || skip "locale $want_locale is missing and cannot be generated here"
fi

start_x_desktop
display=$DISPLAY

shot() {
    local file="$out_dir/zhcalc-e2e-${want_locale}-$1.png"
    save_screen "$file"
}

# The program: no sound card here, and ALSA is kept quiet by the program itself.
env HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LANG="$want_locale" LC_ALL="$want_locale" \
    "$program" >"$work/zhcalc.log" 2>&1 &
zhcalc_pid=$!
pids+=($zhcalc_pid)

# Found by its class: in the C locale the old-style WM_NAME cannot hold Cyrillic, so
# the caption is checked in _NET_WM_NAME.
caption="Калькулятор вер 1.2.8"
find_window() { xdotool search --onlyvisible --class '^zhcalc$' | head -n1; }
wait_for 15 sh -c "xdotool search --onlyvisible --class '^zhcalc\$' | grep -q ." ||
    fail "the calculator window did not appear"
wid=$(find_window)
xprop -id "$wid" _NET_WM_NAME | grep -qF "\"$caption\"" ||
    fail "the window's caption is $(xprop -id "$wid" _NET_WM_NAME)"
viewable() { xwininfo -id "$wid" | grep -q "Map State: IsViewable"; }
wait_for 5 viewable || fail "the window is not viewable"

focus() {
    xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid"
}
sep=$(LC_ALL=$want_locale locale decimal_point)
[[ $sep == "." || $sep == "," ]] || sep=.
echo "display $display, locale $want_locale, decimal separator '$sep', window $wid"

click_at() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }
# Client coordinates of the controls used below (the layout's, inside their shapes).
declare -A at=(
    [display]="200 20" [1]="35 60" [+]="75 132" [C]="184 152" [backspace]="248 159"
    [clear_registers]="236 196"
    [Switch1]="232 266" [Switch2]="265 266" [Switch3]="298 266" [Switch4]="331 266"
    [Switch5]="364 266" [Switch6]="397 266" [Switch7]="430 266" [Switch8]="460 266"
    [Rom]="20 266" [rom1]="232 244" [rom2]="264 244" [rom3]="296 244" [rom4]="328 244"
    [rom5]="360 244" [rom6]="400 244" [rom7]="432 244" [rom8]="459 244"
)
click_on() { click_at ${at[$1]}; }
# Ctrl+C, then the clipboard must read $1. Consecutive checks expect different texts.
copied_is() {
    xdotool key ctrl+c
    wait_for 5 clipboard_is "$1" ||
        fail "$2: the display reads '$(clipboard_text)', expected '$1'"
}

# The frame is centred on the screen (openbox leaves the whole screen as work area).
frame_centred() {
    local extents l r t b x y w h sw sh
    extents=$(xprop -id "$wid" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    [[ -n $extents ]] || return 1
    IFS=, read -r l r t b <<<"$extents"
    eval "$(xwininfo -id "$wid" | awk '/Absolute upper-left X/ {print "x=" $4}
        /Absolute upper-left Y/ {print "y=" $4} /Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
    read -r sw sh <<<"$(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')"
    local dx=$(( 2 * (x - l) + (l + w + r) - sw )) dy=$(( 2 * (y - t) + (t + h + b) - sh ))
    frame_offset="frame $((l + w + r))x$((t + h + b)) at $((x - l)),$((y - t)), twice off centre by $dx,$dy"
    (( dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2 ))
}
wait_for 5 frame_centred || { frame_centred; fail "the frame is not centred: $frame_offset"; }
echo "ok: centred on the screen ($frame_offset)"

# Typed spaces reach only the keyboard map: right after start (where nothing has been
# clicked) and after a click on a switch and on a check box, "7 *6" Enter gives 42
# and leaves every register, switch and check box as it was.
focus
xdotool type --delay 30 "7 *6"
xdotool key Return
copied_is 42 "7 *6 Enter right after start"
# "Постоянно помнить" is still off: a switch stores (and clears) rather than recalls.
click_on Switch1
xdotool type --delay 30 "5"
copied_is 5 "Switch1 after typing at start (a checked Rom would recall)"
click_on Switch1  # off again: appends what it stored
copied_is 542 "Switch1 off"
# After a click on a switch (it stores "8"): a space there would turn it off and recall.
xdotool key Escape
xdotool type "8"
click_on Switch2
xdotool type --delay 30 "7 *6"
xdotool key Return
copied_is 42 "7 *6 Enter after a click on Switch2"
click_on Switch2
copied_is 428 "Switch2 turned off after typing (still on, holding 8)"
# After a click on a check box (rom3 protects register 3): a space would unprotect it.
xdotool key Escape
click_on rom3
xdotool type --delay 30 "7 *6"
xdotool key Return
copied_is 42 "7 *6 Enter after a click on rom3"
click_on Switch3  # protected: recalls the empty register, keeps 42
xdotool type "0"
copied_is 420 "Switch3 on with rom3 still checked"
click_on Switch3
click_on rom3
echo "ok: typed spaces change no register, switch or check box (at start, after switch and check box clicks)"

# Tab walks Switch1-Switch8, then "Постоянно помнить", then rom1-rom8, and Space
# toggles what it reached: each switch k stores the k typed before it (typing there
# still reaches the keyboard map), then every rom box is checked, Rom passed over.
click_on clear_registers
click_on display  # the focus is the window's
xdotool key Escape
for k in 1 2 3 4 5 6 7 8; do xdotool key --delay 10 "$k" Tab space; done
xdotool key --delay 10 Tab $(printf 'Tab space %.0s' $(seq 8))
click_on display
xdotool type "0"
for k in 1 2 3 4 5 6 7 8; do click_on "Switch$k"; done  # each off: appends register k
copied_is 012345678 "Tab and Space for the switches"
for k in 1 2 3 4 5 6 7 8; do click_on "Switch$k"; done  # on: protected, so each recalls k
copied_is 01234567812345678 "Tab and Space for rom1-rom8 (a box left unchecked stores)"
# Rom: rom1 unchecked by the mouse, Switch1 off (appends 1), the ninth Tab checks Rom,
# and Switch1 then recalls again instead of storing.
click_on rom1
click_on Switch1
click_on display
xdotool key --delay 10 Escape $(printf 'Tab %.0s' $(seq 9)) space
click_on display
xdotool type "0"
click_on Switch1
copied_is 01 "the ninth Tab and Space for Rom, then Switch1"
echo "ok: Tab walks Switch1-Switch8, Rom, rom1-rom8; Space on a focused switch stores"

# Quick second clicks count: the display grows by one text per click.
for delay in 50 150 300; do
    xdotool key Escape
    xdotool mousemove --window "$wid" ${at[1]} click --repeat 2 --delay "$delay" 1
    xdotool mousemove --window "$wid" ${at[+]} click --repeat 2 --delay "$delay" 1
    copied_is "11++" "double click on 1 and + ($delay ms)"
    xdotool type "9876"
    xdotool mousemove --window "$wid" ${at[backspace]} click --repeat 2 --delay "$delay" 1
    copied_is "11++98" "double click on backspace ($delay ms)"
    xdotool mousemove --window "$wid" ${at[C]} click --repeat 2 --delay "$delay" 1
    xdotool type "$delay"
    copied_is "$delay" "double click on C ($delay ms)"
done
[[ $(xdotool search --onlyvisible --class '^zhcalc$' | wc -l) == 1 ]] ||
    fail "a second window (an error box?) appeared after the double clicks"
echo "ok: double clicks on 1, +, backspace and C act twice (50, 150, 300 ms)"

# (Rom and rom2-rom8 stay checked; nothing below stores in a register.)

# 1. Type an expression, evaluate with Enter, copy with Ctrl+C, read it back.
focus
xdotool key Escape
xdotool type --delay 30 "7/2"
xdotool key --delay 30 Return ctrl+c
wait_for 5 clipboard_is "3${sep}5" ||
    fail "7/2 gave '$(clipboard_text)', expected '3${sep}5'"
echo "ok: typed 7/2, Enter, Ctrl+C -> 3${sep}5"

# 2. Offer text on the clipboard, paste it with Ctrl+V, evaluate and copy the result.
offer_clipboard "12*3"
focus
xdotool key --delay 30 Escape ctrl+v Return ctrl+c
wait_for 5 clipboard_is "36" ||
    fail "pasting 12*3 gave '$(clipboard_text)', expected 36"
echo "ok: xclip 12*3, Ctrl+V, Enter, Ctrl+C -> 36"

# Cyrillic goes through the code page and back; what it lacks becomes "?".
offer_clipboard "Пи€日"
xdotool key --delay 30 Escape ctrl+v ctrl+c
wait_for 5 clipboard_is "Пи€?" ||
    fail "pasting Пи€日 gave '$(clipboard_text)', expected 'Пи€?'"
echo "ok: xclip Пи€日, Ctrl+V, Ctrl+C -> Пи€?"

# Keys on screen: "C", then "1", "+", "2", "=" clicked with the mouse, copied with "буф".
click_at 184 152  # "C"
click_at 35 60    # "1"
click_at 75 132   # "+"
click_at 75 60    # "2"
click_at 75 180   # "="
click_at 165 204  # "буф"
wait_for 5 clipboard_is "3" ||
    fail "clicking 1 + 2 = gave '$(clipboard_text)', expected 3"
echo "ok: clicked C 1 + 2 = буф -> 3"
shot "window"

# The colour key: the window is cut to a shape, and no pure aqua reaches the screen
# in the about line, whose letters are aqua.
shaped() { xwininfo -shape -id "$wid" | grep -q "Window shape extents"; }
wait_for 5 shaped || fail "the window has no shape (colour key)"
X=$(xwininfo -id "$wid" | awk '/Absolute upper-left X/ {print $4}')
Y=$(xwininfo -id "$wid" | awk '/Absolute upper-left Y/ {print $4}')
import -window root -crop "476x28+${X}+$((Y + 280))" "$work/about-line.png"
cp "$work/about-line.png" "$out_dir/zhcalc-e2e-${want_locale}-about-line.png"
aqua=$(convert "$work/about-line.png" -fill black +opaque "#00FFFF" -fill white -opaque "#00FFFF" \
    -format "%[fx:round(mean*w*h)]" info:)
[[ $aqua == 0 ]] || fail "$aqua pure aqua pixels are shown in the about line instead of holes"
# Through the holes shows the bare (black) root window.
holes=$(convert "$work/about-line.png" -fill white +opaque "#000000" -fill black -opaque "#000000" \
    -negate -format "%[fx:round(mean*w*h)]" info:)
((holes > 100)) || fail "only $holes root pixels show through the about line"
echo "holes in the about line: $holes pixels"
echo "ok: the window is shaped and its aqua pixels are holes"

# 3. Minimize without a notification area: the window is iconified, not lost.
xdotool windowminimize --sync "$wid" || fail "could not minimize"
iconic() { xprop -id "$wid" WM_STATE | grep -q "Iconic"; }
wait_for 5 iconic || fail "the window was not iconified"
sleep 0.3  # give a wrongful hide the time to happen before looking
iconic || fail "without a tray the window left the iconic state (hidden where nothing can restore it)"
xdotool windowactivate --sync "$wid" 2>/dev/null || fail "could not restore the window"
wait_for 5 viewable || fail "the window did not come back"
echo "ok: without a tray, minimize iconifies and the window comes back"

# 4. Minimize with a tray host: the window hides, an icon appears, a click brings it back.
start_tray_host
sleep 0.2  # the program learns of the new tray through its selection owner
xdotool windowminimize "$wid"
withdrawn() { ! viewable && ! iconic; }
wait_for 5 withdrawn || fail "with a tray, minimizing did not hide the window"
# The icon is the program's other visible window once the main one is withdrawn.
tray_icon() { xdotool search --onlyvisible --class '^zhcalc$' | grep -vx "$wid" | head -n1; }
wait_for 5 sh -c "xdotool search --onlyvisible --class '^zhcalc\$' | grep -vxq '$wid'" ||
    fail "no icon in the tray"
icon=$(tray_icon)
shot "tray"
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
wait_for 5 viewable || fail "a click on the tray icon did not bring the window back"
wait_for 5 sh -c "! xdotool search --onlyvisible --class '^zhcalc\$' | grep -vxq '$wid'" ||
    fail "the tray icon stayed after the window came back"
echo "ok: with a tray, minimize hides to the icon and a click restores"

# The program is still alive and well.
kill -0 "$zhcalc_pid" 2>/dev/null || fail "zhcalc exited"
echo "PASSED"
