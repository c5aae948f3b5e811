#!/usr/bin/env bash
# Installs the Debian 12 packages that zhcalc's commands need (scripts/lib/packages.sh
# lists them), as root or through sudo; does nothing when they are all present.
#
#   scripts/install-deps.sh [NEED...]   build, screenshot, test, packaging (default: all)
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib/packages.sh"
[[ $# -eq 0 ]] && set -- build screenshot test packaging
install_needs "$@"
