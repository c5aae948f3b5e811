#!/usr/bin/env bash
# Runs every test of zhcalc on a Debian 12 machine, installing what it needs:
# the unit tests in an optimized build, the Debian package made from that build
# (installed and removed again), the unit tests again under ASan + UBSan, then the
# fuzzer for a bounded time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" build test packaging
"$root/scripts/ensure-locales.sh"

jobs=$(nproc)
fuzz_seconds=${ZHCALC_FUZZ_SECONDS:-30}

echo "== optimized build and tests"
"$root/scripts/build.sh" release
ctest --test-dir "$root/build/release" --output-on-failure -j "$jobs"

echo "== the Debian package: built from the optimized build, checked, installed, removed"
status=0
"$root/tests/packaging/deb_test.sh" "$root/build/release/package" || status=$?
((status == 0 || status == 77)) || exit "$status"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
"$root/scripts/build.sh" asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$root/build/asan" --output-on-failure -j "$jobs"

echo "== fuzzing the evaluator for ${fuzz_seconds} s"
"$root/scripts/build.sh" fuzz
"$root/scripts/fuzz.sh" "$fuzz_seconds"
