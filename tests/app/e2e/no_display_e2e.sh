#!/usr/bin/env bash
# The program started where no display can be opened: DISPLAY unset, empty, or
# naming a server that is not there, and a Wayland session whose compositor is gone.
# It must say which display it tried and that it needs X11 or Wayland, and exit with
# a non-zero status of its own (not a signal, so no core dump).
#
#   no_display_e2e.sh PROGRAM
set -uo pipefail

program=$(realpath "$1")
source "$(cd "$(dirname "$0")" && pwd)/e2e_lib.sh"

# A display number with no server behind it.
dead=90
while [[ -e /tmp/.X11-unix/X$dead || -e /tmp/.X$dead-lock ]]; do dead=$((dead + 1)); done
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"

# case NAME EXPECTED_TEXT ENV...: runs the program under `env -i` plus ENV.
run_case() {
    local name=$1 expected=$2
    shift 2
    (cd "$work" && ulimit -c unlimited &&
        env -i PATH="$PATH" HOME="$work" XDG_RUNTIME_DIR="$work/runtime" "$@" \
            timeout 20 "$program" >"$work/out" 2>"$work/err")
    local status=$?
    local said
    said=$(cat "$work/err")
    ((status != 0)) || fail "$name: exit status 0"
    ((status < 124)) || fail "$name: exit status $status (killed or timed out); said: $said"
    grep -qF -- "$expected" "$work/err" || fail "$name: does not name '$expected'; said: $said"
    grep -q "X11" "$work/err" && grep -q "Wayland" "$work/err" ||
        fail "$name: does not say it needs X11 or Wayland; said: $said"
    ! grep -qi "reinstall" "$work/err" || fail "$name: Qt's reinstall advice is shown: $said"
    ! compgen -G "$work/core*" >/dev/null || fail "$name: a core file was left"
    echo "ok: $name -> status $status: $said"
}

run_case "DISPLAY unset" "DISPLAY is not set"
run_case "DISPLAY empty" "DISPLAY is not set" DISPLAY=
run_case "DISPLAY :$dead" "\":$dead\"" DISPLAY=":$dead"
run_case "Wayland session, both gone" "\"wayland-$dead\"" DISPLAY=":$dead" \
    WAYLAND_DISPLAY="wayland-$dead" XDG_SESSION_TYPE=wayland
echo "PASSED"
