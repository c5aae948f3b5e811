#!/usr/bin/env bash
# Start-up of zhcalc next to a minimal Qt 6 window, on a private Xvfb server: time
# from start to the window mapped, to its first painted pixels and to its colour-key
# mask, peak resident memory and processor time. The yardsticks are an empty minimal
# window and the same window with one line of text (which loads the fonts, as every
# calculator must). Runs the three programs interleaved, ROUNDS times (default 21), and
# prints the medians and the ratios. The target is zhcalc within 1.5x of the minimal
# window.
#
#   bench/window/startup.sh [BUILD_DIR]     (default build/release)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/release}
rounds=${ROUNDS:-21}
settle_ms=300

if [[ ! -x $build/bench/window/zhcalc_startup_probe ]]; then
    cmake --build "$build" --target zhcalc zhcalc_minimal_window zhcalc_startup_probe >/dev/null
fi
probe=$build/bench/window/zhcalc_startup_probe
minimal=$build/bench/window/zhcalc_minimal_window
zhcalc=$build/src/app/zhcalc

source "$root/scripts/lib/private-xvfb.sh"
work=$(mktemp -d)
trap '[[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT
start_private_xvfb

mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work
# One unmeasured start of each warms the disk cache and the font cache.
"$probe" 0 "$minimal" text >/dev/null
"$probe" 0 "$zhcalc" >/dev/null

for ((i = 0; i < rounds; i++)); do
    "$probe" "$settle_ms" "$minimal" >>"$work/minimal"
    "$probe" "$settle_ms" "$minimal" text >>"$work/minimal+text"
    "$probe" "$settle_ms" "$zhcalc" >>"$work/zhcalc"
done

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
column_median() { awk -v c="$2" '{print $c}' "$work/$1" | median; }

printf '%-14s %9s %10s %9s %9s %8s\n' program "mapped ms" "painted ms" "masked ms" "RSS MiB" "CPU ms"
for p in minimal minimal+text zhcalc; do
    printf '%-14s %9.1f %10.1f %9s %9.1f %8.1f\n' "$p" "$(column_median $p 1)" \
        "$(column_median $p 2)" "$(column_median $p 3 | awk '{print ($1 < 0) ? "-" : $1}')" \
        "$(awk "BEGIN {print $(column_median $p 4) / 1024}")" "$(column_median $p 5)"
done
for base in minimal minimal+text; do
    awk -v base="$base" -v pm="$(column_median $base 2)" -v pz="$(column_median zhcalc 2)" \
        -v sz="$(column_median zhcalc 3)" \
        -v rm="$(column_median $base 4)" -v rz="$(column_median zhcalc 4)" \
        -v cm="$(column_median $base 5)" -v cz="$(column_median zhcalc 5)" 'BEGIN {
        printf "zhcalc / %s: first paint %.2fx, masked %.2fx, peak RSS %.2fx, CPU %.2fx" \
            " (target 1.5x)\n", base, pz / pm, sz / pm, rz / rm, cz / cm
    }'
done
echo "($rounds interleaved rounds, medians; Xvfb $DISPLAY)"
