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

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; shot "failure"; exit 1; }

for tool in Xvfb xdotool xclip xwininfo xdpyinfo openbox trayer import; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh)"
done

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

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Polls `$@` every 50 ms until it succeeds or `seconds` have passed.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS >= deadline)) && return 1
        sleep 0.05
    done
}

source "$(cd "$(dirname "$0")/../../../.." && pwd)/scripts/lib/private-xvfb.sh"
start_private_xvfb "$work/xvfb.log" || fail "Xvfb did not start"
pids+=("$XVFB_PID")
display=$DISPLAY

shot() {
    local file="$out_dir/zhcalc-e2e-${want_locale}-$1.png"
    import -window root "$file" 2>/dev/null && echo "screenshot: $file"
}

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not start"

# The program: no sound card here, and ALSA is kept quiet by the program itself.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
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
clipboard_is() { [[ $(xclip -selection clipboard -o 2>/dev/null) == "$1" ]]; }
sep=$(LC_ALL=$want_locale locale decimal_point)
[[ $sep == "." || $sep == "," ]] || sep=.
echo "display $display, locale $want_locale, decimal separator '$sep', window $wid"

# 1. Type an expression, evaluate with Enter, copy with Ctrl+C, read it back.
focus
xdotool type --delay 30 "7/2"
xdotool key --delay 30 Return ctrl+c
wait_for 5 clipboard_is "3${sep}5" ||
    fail "7/2 gave '$(xclip -selection clipboard -o 2>/dev/null)', expected '3${sep}5'"
echo "ok: typed 7/2, Enter, Ctrl+C -> 3${sep}5"

# 2. Offer text on the clipboard, paste it with Ctrl+V, evaluate and copy the result.
printf %s "12*3" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
pids+=($!)
wait_for 5 clipboard_is "12*3" || fail "xclip did not take the clipboard"
focus
xdotool key --delay 30 Escape ctrl+v Return ctrl+c
wait_for 5 clipboard_is "36" ||
    fail "pasting 12*3 gave '$(xclip -selection clipboard -o 2>/dev/null)', expected 36"
echo "ok: xclip 12*3, Ctrl+V, Enter, Ctrl+C -> 36"

# Cyrillic goes through the code page and back; what it lacks becomes "?".
printf %s "Пи€日" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
pids+=($!)
wait_for 5 clipboard_is "Пи€日" || fail "xclip did not take the clipboard"
xdotool key --delay 30 Escape ctrl+v ctrl+c
wait_for 5 clipboard_is "Пи€?" ||
    fail "pasting Пи€日 gave '$(xclip -selection clipboard -o 2>/dev/null)', expected 'Пи€?'"
echo "ok: xclip Пи€日, Ctrl+V, Ctrl+C -> Пи€?"

# Keys on screen: "C", then "1", "+", "2", "=" clicked with the mouse, copied with "буф".
click_at() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }
click_at 184 152  # "C"
click_at 35 60    # "1"
click_at 75 132   # "+"
click_at 75 60    # "2"
click_at 75 180   # "="
click_at 165 204  # "буф"
wait_for 5 clipboard_is "3" ||
    fail "clicking 1 + 2 = gave '$(xclip -selection clipboard -o 2>/dev/null)', expected 3"
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
trayer --edge top --align right --SetDockType true --SetPartialStrut true --expand true \
    --widthtype request --height 24 >"$work/trayer.log" 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xdotool search --class trayer | grep -q .' || fail "trayer did not start"
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
