#!/usr/bin/env bash
# End-to-end test of the Debian package: builds it with scripts/package.sh, checks
# its contents with lintian, desktop-file-validate, appstreamcli and man, installs it
# with apt-get, runs the installed zhcalc-eval and zhcalc (on a private Xvfb server
# until its window maps), removes it and checks that none of its files is left.
#
#   deb_test.sh OUTPUT_DIR   the package, lintian's report and a screenshot go there
#
# Installing needs root or password-less sudo; without either the test skips
# (exit status 77). It fails rather than replace a zhcalc package installed already.
set -euo pipefail

out=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/app/e2e/e2e_lib.sh"

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null || ! sudo -n true 2>/dev/null; then
        skip "installing a package needs root or password-less sudo"
    fi
    sudo=(sudo -n)
fi
require_tools Xvfb xdotool xwininfo lintian desktop-file-validate appstreamcli man
installed() { dpkg-query -W -f='${Status}' zhcalc 2>/dev/null | grep -q 'install ok installed'; }
installed && fail "a zhcalc package is installed already; remove it (apt-get remove zhcalc) first"

# Other apt users of the machine are waited for, not failed on.
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300)
# A failing check must not leave the package on the machine.
we_installed=0
finish() {
    if ((we_installed)) && installed; then "${apt[@]}" remove zhcalc >/dev/null 2>&1 || true; fi
    cleanup
}
trap finish EXIT

echo "== building the package"
deb=$("$root/scripts/package.sh" "$out" | tail -n1) || fail "scripts/package.sh failed"
version=$(sed -n 's/^project(zhcalc VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[[ $(basename "$deb") == "zhcalc_${version}_amd64.deb" ]] || fail "the package is $deb"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
field() { dpkg-deb -f "$deb" "$1"; }
echo "Depends: $(field Depends)"
echo "Recommends: $(field Recommends)"

echo "== contents"
dpkg-deb -x "$deb" "$work/tree"
expect_file() { [[ -f $work/tree/$1 ]] || fail "the package has no $1"; }
for f in usr/bin/zhcalc usr/bin/zhcalc-eval usr/share/applications/zhcalc.desktop \
    usr/share/icons/hicolor/scalable/apps/zhcalc.svg \
    usr/share/metainfo/org.example.zhcalc.metainfo.xml \
    usr/share/man/man1/zhcalc.1.gz usr/share/man/man1/zhcalc-eval.1.gz \
    usr/share/doc/zhcalc/copyright usr/share/doc/zhcalc/changelog.gz; do
    expect_file "$f"
done
for size in 16 22 24 32 48 64 128 256; do
    png=usr/share/icons/hicolor/${size}x${size}/apps/zhcalc.png
    expect_file "$png"
    file -b "$work/tree/$png" | grep -q "PNG image data, $size x $size," ||
        fail "$png is $(file -b "$work/tree/$png")"
done
# Shared libraries come from dpkg-shlibdeps; the font stand-ins are named by hand.
depends=", $(field Depends),"
for p in libqt6widgets6 libqt6gui6 libqt6core6 libqt6dbus6 libasound2 libfontconfig1 libxcb-shape0 \
    fonts-liberation2 fonts-urw-base35 fonts-ebgaramond fonts-noto-extra; do
    [[ $depends =~ [\ ,]${p}[\ ,] ]] || fail "Depends lacks $p"
done
for p in libgtest libgmock libbenchmark libmuparser xvfb xdotool xclip imagemagick openbox trayer \
    weston clang cmake; do
    [[ $depends != *" $p"* ]] || fail "Depends names $p, which only the tests or the build use"
done

echo "== lintian"
lintian_status=0
lintian --fail-on error,warning --display-info "$deb" >"$out/lintian.txt" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$out/lintian.txt" || true
((lintian_status == 0)) || fail "lintian found errors or warnings"

echo "== validators and manual pages"
desktop-file-validate "$work/tree/usr/share/applications/zhcalc.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$work/tree/usr/share/metainfo/org.example.zhcalc.metainfo.xml" ||
    fail "appstreamcli validate"
# The tree as a whole: the metainfo's launchable desktop entry and its icon.
appstreamcli validate-tree --no-net "$work/tree" || fail "appstreamcli validate-tree"
for page in zhcalc zhcalc-eval; do
    file=$work/tree/usr/share/man/man1/$page.1.gz
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man $page: $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$file" >"$work/$page.txt" 2>/dev/null
    if ! grep -q '^NAME' "$work/$page.txt" || ! grep -q '^SEE ALSO' "$work/$page.txt"; then
        fail "man $page renders no page"
    fi
done
# Every option and exit status of zhcalc-eval is in its page.
section() { awk -v h="$1" '/^[A-Z]/ { on = ($0 == h) } on' "$work/zhcalc-eval.txt"; }
for word in --separator=SEP -- --help; do
    section OPTIONS | grep -qE -- "^ +$word( |$)" || fail "zhcalc-eval(1) lacks $word"
done
for status in 0 1 2 3; do
    section "EXIT STATUS" | grep -qE "^ +$status +[A-Z]" || fail "zhcalc-eval(1) lacks exit status $status"
done

# The screenshot that the AppStream data announces has the size it states.
metainfo=$work/tree/usr/share/metainfo/org.example.zhcalc.metainfo.xml
size=$(sed -n 's/.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)".*/\1 x \2/p' "$metainfo")
file -b "$root/packaging/screenshots/zhcalc.png" | grep -q "PNG image data, $size," ||
    fail "packaging/screenshots/zhcalc.png is not the $size picture the metainfo states"

echo "== installing"
we_installed=1
# Without the recommended packages, so that the machine gets nothing but zhcalc and
# what it depends on.
"${apt[@]}" install --no-install-recommends "$deb" >"$work/apt-install.log" 2>&1 || {
    cat "$work/apt-install.log"
    fail "apt-get install"
}
echo "apt-get set up: $(sed -n 's/^Setting up \([^ ]*\) .*/\1/p' "$work/apt-install.log" | xargs)"
installed || fail "dpkg does not list zhcalc as installed"
dpkg -L zhcalc >"$work/files"
# Minimal images tell dpkg to leave out manual pages (path-exclude).
if grep -qs '^path-exclude=/usr/share/man' /etc/dpkg/dpkg.cfg.d/*; then
    echo "dpkg leaves out manual pages on this machine: man -w not checked"
else
    [[ $(man -w zhcalc-eval) == /usr/share/man/man1/zhcalc-eval.1.gz ]] ||
        fail "man does not find the installed zhcalc-eval(1)"
fi

echo "== the installed zhcalc-eval"
eval_is() {
    local want=$1 got
    shift
    got=$(/usr/bin/zhcalc-eval "$@") || true
    [[ $got == "$want" ]] || fail "zhcalc-eval $* printed '$got', not '$want'"
}
eval_is 14 "2+3*4"
eval_is 0.25 --separator=. "1/4"
eval_is 1024 --separator=. "2^10"
eval_is "$(printf '0\n-4')" --separator=. -- "sin(3.14159265358979)" "-2^2"
status=0
/usr/bin/zhcalc-eval "1/0" >/dev/null || status=$?
((status == 1)) || fail "zhcalc-eval 1/0 exited with $status, not 1"

echo "== the installed zhcalc"
source "$root/scripts/lib/private-xvfb.sh"
start_private_xvfb "$work/xvfb.log" || fail "Xvfb did not start"
pids+=("$XVFB_PID")
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
env HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" /usr/bin/zhcalc >"$work/zhcalc.log" 2>&1 &
zhcalc_pid=$!
pids+=("$zhcalc_pid")
mapped() {
    local wid
    wid=$(xdotool search --onlyvisible --class '^zhcalc$' | head -n1)
    [[ -n $wid ]] && xwininfo -id "$wid" | grep -q 'Map State: IsViewable'
}
wait_for 20 mapped || { cat "$work/zhcalc.log"; fail "the installed zhcalc mapped no window"; }
kill -0 "$zhcalc_pid" 2>/dev/null || fail "the installed zhcalc exited"
save_screen "$out/installed-zhcalc.png" || true
kill "$zhcalc_pid"
wait "$zhcalc_pid" 2>/dev/null || true

echo "== removing"
"${apt[@]}" remove zhcalc >"$work/apt-remove.log" 2>&1 || {
    cat "$work/apt-remove.log"
    fail "apt-get remove"
}
installed && fail "zhcalc is still installed"
# Files must be gone; a directory may stay only while another package owns it or
# something else lives in it.
left=0
while read -r path; do
    [[ $path == /. ]] && continue
    if [[ -d $path && ! -L $path ]]; then
        [[ -n $(ls -A "$path") ]] || dpkg-query -S "$path" >/dev/null 2>&1 ||
            { echo "left behind: $path/"; left=1; }
    elif [[ -e $path || -L $path ]]; then
        echo "left behind: $path"
        left=1
    fi
done <"$work/files"
((left == 0)) || fail "apt-get remove left files of zhcalc"
echo "PASSED: $(wc -l <"$work/files") paths installed and removed"
