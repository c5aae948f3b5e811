#!/usr/bin/env bash
# Builds the Debian package zhcalc_<version>_amd64.deb with CPack's DEB generator
# from the optimized build (build/release, built here when needed), installing what
# building and packaging need.
#
#   scripts/package.sh [OUTPUT_DIR]   default build/release/package
#
# Prints the package's path on its last line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/packages.sh"
install_needs build packaging
ZHCALC_WITH_TESTS=0 "$root/scripts/build.sh" release zhcalc zhcalc-eval zhcalc_packaging_files \
    >/dev/null

out=${1:-$root/build/release/package}
mkdir -p "$out"
out=$(cd "$out" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$root/build/release/CMakeCache.txt")
deb="$out/zhcalc_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
# CPack stages the installed tree under the output folder, not in the build.
cpack --config "$root/build/release/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log" >&2
    exit 1
}
[[ -f $deb ]] || { echo "cpack made no $deb" >&2; cat "$out/cpack.log" >&2; exit 1; }
rm -rf "$out/_CPack_Packages"
echo "$deb"
