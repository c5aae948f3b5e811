#!/usr/bin/env bash
# Configures and builds one flavour of zhcalc.
#   scripts/build.sh release   optimized build with warnings as errors (build/release)
#   scripts/build.sh asan      AddressSanitizer + UBSan build (build/asan)
#   scripts/build.sh fuzz      clang libFuzzer build of the fuzz targets (build/fuzz)
# Extra arguments are passed to the build tool (for example a target name).
#
# ZHCALC_WITH_TESTS=0 (the run and package commands, which do not install the test
# packages) leaves the tests and benchmarks out of a new release build and keeps an
# existing one as it is; otherwise a release build has them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:-release}
shift || true
dir="$root/build/$flavour"

case "$flavour" in
release)
    tests=ON
    if [[ ${ZHCALC_WITH_TESTS:-1} == 0 ]]; then
        tests=$(sed -n 's/^ZHCALC_BUILD_TESTS:BOOL=//p' "$dir/CMakeCache.txt" 2>/dev/null || true)
        tests=${tests:-OFF}
    fi
    args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZHCALC_WERROR=ON
          -DZHCALC_BUILD_TESTS="$tests" -DZHCALC_BUILD_BENCH="$tests") ;;
asan) args=(-DCMAKE_BUILD_TYPE=Debug -DZHCALC_WERROR=ON -DZHCALC_SANITIZE=ON
            -DZHCALC_BUILD_BENCH=OFF) ;;
fuzz) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++
            -DZHCALC_BUILD_GUI=OFF -DZHCALC_BUILD_TESTS=OFF -DZHCALC_BUILD_BENCH=OFF
            -DZHCALC_BUILD_FUZZ=ON) ;;
*) echo "unknown build flavour: $flavour" >&2; exit 2 ;;
esac

# Configured every time (well under a second), so that the options above hold and a
# package installed since (such as rsvg-convert for the icons) is found.
cmake -S "$root" -B "$dir" -G Ninja "${args[@]}" >/dev/null
cmake --build "$dir" -- "$@"
