#!/usr/bin/env bash
# Builds and starts zhcalc on a Debian 12 machine, installing what it needs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" release zhcalc-eval
exec "$root/build/release/src/cli/zhcalc-eval" "$@"
