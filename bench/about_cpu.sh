#!/bin/sh
# The CPU share of one open about window with its credits scrolling, measured
# over ten seconds from the process's own utime + stime. Budget: well under 2 %
# of one core.
#   bench/about_cpu.sh [build folder] [seconds]
# Runs under Xvfb when xvfb-run is installed (the X server's own time is not
# counted), and on the offscreen platform as well.
set -eu
build=${1:-build/release}
seconds=${2:-10}
probe="$build/bench/about/about_cpu_probe"
if [ ! -x "$probe" ]; then
    cmake --build "$build" --target about_cpu_probe
fi
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

QT_QPA_PLATFORM=offscreen "$probe" "$seconds" 2>/dev/null
if command -v xvfb-run >/dev/null 2>&1; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" "$probe" "$seconds" 2>/dev/null
else
    echo "xvfb-run not found: X11 run skipped"
fi
