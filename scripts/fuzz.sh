#!/usr/bin/env bash
# Runs each libFuzzer target of build/fuzz for the given number of seconds (default 30)
# and prints its execution count; any crash, sanitizer report or leak fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
shopt -s nullglob
targets=("$root"/build/fuzz/fuzz/fuzz_*)
if [[ ${#targets[@]} -eq 0 ]]; then
    echo "no fuzz targets built"
    exit 0
fi
for target in "${targets[@]}"; do
    [[ -f "$target" && -x "$target" ]] || continue
    name=$(basename "$target")
    corpus="$root/build/fuzz/corpus/$name"
    log="$root/build/fuzz/$name.log"
    mkdir -p "$corpus"
    seeds=()
    [[ -d "$root/fuzz/seeds/$name" ]] && seeds=("$root/fuzz/seeds/$name")
    echo "-- $name for ${seconds} s"
    status=0
    "$target" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
        -artifact_prefix="$root/build/fuzz/" "$corpus" "${seeds[@]}" >"$log" 2>&1 || status=$?
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
    if [[ $status -ne 0 ]]; then
        tail -n 40 "$log" >&2
        echo "fuzzer $name failed (exit $status)" >&2
        exit 1
    fi
done
