# Sourced by the end-to-end scripts: skipping, a private work folder whose
# background processes end with the script, bounded waits and a private X desktop.
#
# A script may define shot NAME (a screenshot for a reviewer); fail takes one.

skip() { echo "SKIPPED: $*"; exit 77; }
fail() {
    echo "FAILED: $*"
    declare -F shot >/dev/null && shot "failure"
    exit 1
}

# require_tools TOOL...: skips unless every tool is on PATH.
require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh)"
    done
}

# The work folder; processes added to `pids` are stopped, last first, on exit.
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

# start_x_desktop: a private Xvfb (DISPLAY exported) with openbox managing it, and
# folders under $work for the program's HOME and XDG_RUNTIME_DIR.
start_x_desktop() {
    source "$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)/scripts/lib/private-xvfb.sh"
    start_private_xvfb "$work/xvfb.log" || fail "Xvfb did not start"
    pids+=("$XVFB_PID")
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start"
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
}

# start_tray_host: trayer on the top edge, the desktop's notification area.
start_tray_host() {
    trayer --edge top --align right --SetDockType true --SetPartialStrut true --expand true \
        --widthtype request --height 24 >"$work/trayer.log" 2>&1 &
    pids+=($!)
    wait_for 10 sh -c 'xdotool search --class trayer | grep -q .' || fail "trayer did not start"
}

# zhcalc_windows: the program's visible windows, the calculator first.
zhcalc_windows() { xdotool search --onlyvisible --class '^zhcalc$'; }

# start_zhcalc PROGRAM LOG [NAME=VALUE...]: starts the calculator on the desktop with
# its private HOME and XDG_RUNTIME_DIR and the given environment, and waits until its
# window shows. Sets zhcalc_pid and wid (the calculator window).
start_zhcalc() {
    local program=$1 log=$2
    shift 2
    env HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" "$@" "$program" >"$log" 2>&1 &
    zhcalc_pid=$!
    pids+=("$zhcalc_pid")
    wait_for 15 sh -c "xdotool search --onlyvisible --class '^zhcalc\$' | grep -q ." ||
        fail "the calculator window did not appear"
    wid=$(zhcalc_windows | head -n1)
}

# The clipboard's text as another X client reads it, and whether it is $1.
clipboard_text() { xclip -selection clipboard -o 2>/dev/null; }
clipboard_is() { [[ $(clipboard_text) == "$1" ]]; }

# offer_clipboard TEXT: another program (xclip) holds TEXT on the clipboard until it is
# taken from it or the script ends.
offer_clipboard() {
    printf %s "$1" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    pids+=($!)
    wait_for 5 clipboard_is "$1" || fail "xclip did not take the clipboard"
}

# save_screen FILE: the whole screen, for a reviewer.
save_screen() { import -window root "$1" 2>/dev/null && echo "screenshot: $1"; }
