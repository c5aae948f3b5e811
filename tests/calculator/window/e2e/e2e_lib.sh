# Sourced by the end-to-end scripts: skipping, a private work folder whose
# background processes end with the script, and bounded waits.
#
# Each script defines shot NAME (a screenshot for a reviewer) before it fails.

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; shot "failure"; exit 1; }

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
