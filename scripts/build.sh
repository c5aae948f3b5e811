#!/usr/bin/env bash
# Configures and builds one flavour of zhcalc.
#   scripts/build.sh release   optimized build with warnings as errors (build/release)
#   scripts/build.sh asan      AddressSanitizer + UBSan build (build/asan)
#   scripts/build.sh fuzz      clang libFuzzer build of the fuzz targets (build/fuzz)
# Extra arguments are passed to the build tool (for example a target name).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:-release}
shift || true
dir="$root/build/$flavour"

case "$flavour" in
release) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZHCALC_WERROR=ON) ;;
asan) args=(-DCMAKE_BUILD_TYPE=Debug -DZHCALC_WERROR=ON -DZHCALC_SANITIZE=ON
            -DZHCALC_BUILD_BENCH=OFF) ;;
fuzz) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++
            -DZHCALC_BUILD_GUI=OFF -DZHCALC_BUILD_TESTS=OFF -DZHCALC_BUILD_BENCH=OFF
            -DZHCALC_BUILD_FUZZ=ON) ;;
*) echo "unknown build flavour: $flavour" >&2; exit 2 ;;
esac

if [[ ! -f "$dir/build.ninja" ]]; then
    cmake -S "$root" -B "$dir" -G Ninja "${args[@]}" >/dev/null
fi
cmake --build "$dir" -- "$@"
