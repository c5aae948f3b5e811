#!/usr/bin/env bash
# End-to-end: zhcalc on a private X server while a PulseAudio server whose only sink is a
# null sink (no sound hardware, as on virtual machines and remote desktops) takes ALSA's
# default device. Every digit sounds its tone there, yet "12345" typed at xdotool's pace
# and Ctrl+C must give the clipboard "12345" within 1 s: each digit arrives, in order, and
# no tone freezes the window for the seconds such a sink takes to drain.
#
#   tones_pulse_e2e.sh PROGRAM OUTPUT_DIR
#
# Exit status 77 means skipped (a missing tool, or a server that cannot start here).
set -uo pipefail

program=$1
out_dir=$2
mkdir -p "$out_dir"

source "$(cd "$(dirname "$0")" && pwd)/e2e_lib.sh"

require_tools Xvfb xdotool xclip xwininfo openbox import pulseaudio
compgen -G "/usr/lib/*/alsa-lib/libasound_module_pcm_pulse.so" >/dev/null ||
    skip "ALSA's PulseAudio device is not installed (libasound2-plugins)"

start_x_desktop

shot() { save_screen "$out_dir/zhcalc-tones-pulse-$1.png"; }

# The server shares the program's HOME and XDG_RUNTIME_DIR; in the foreground, so that
# the script's exit ends it like the other helpers.
env HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" pulseaudio --daemonize=no \
    --exit-idle-time=-1 -n -L module-null-sink -L module-native-protocol-unix \
    >"$work/pulseaudio.log" 2>&1 &
pids+=($!)
wait_for 10 test -S "$work/runtime/pulse/native" ||
    skip "pulseaudio did not start: $(tail -n 3 "$work/pulseaudio.log")"

start_zhcalc "$program" "$work/zhcalc.log" LANG=C LC_ALL=C
wait_for 5 sh -c "xwininfo -id $wid | grep -q 'Map State: IsViewable'" ||
    fail "the window is not viewable"
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid"
now_ms() { echo $(($(date +%s%N) / 1000000)); }

start=$(now_ms)
xdotool type "12345"
xdotool key ctrl+c
wait_for 10 clipboard_is 12345 ||
    fail "the clipboard reads '$(clipboard_text)', expected 12345"
elapsed=$(($(now_ms) - start))
echo "typed 12345 and Ctrl+C: clipboard after $elapsed ms"

# Only meaningful if the tones went to the server.
grep -q libasound_module_pcm_pulse "/proc/$zhcalc_pid/maps" ||
    fail "the program's tones did not go through PulseAudio"
((elapsed <= 1000)) || fail "the clipboard read 12345 only after $elapsed ms (at most 1000)"
kill -0 "$zhcalc_pid" 2>/dev/null || fail "zhcalc exited"
echo "PASSED"
