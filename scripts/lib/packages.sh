# shellcheck shell=bash
# Sourced by the scripts that install what they need: the Debian 12 packages of
# each need, and install_needs, which installs the missing ones. Short lines,
# grouped by purpose, so that additions merge easily.

# Building the calculator and zhcalc-eval, and running them: compilers, libraries,
# and the fonts that stand in for the windows' Windows fonts.
ZHCALC_BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libasound2-dev libfontconfig-dev libxcb-shape0-dev
    fonts-liberation2 fonts-urw-base35 fonts-ebgaramond fonts-noto-extra
    # a native Wayland session without XWayland
    qt6-wayland
)

# The run command without a display: a private X server and one screenshot.
ZHCALC_SCREENSHOT_PACKAGES=(
    xvfb xauth xdotool imagemagick
)

# The tests, benchmarks and fuzzing, on top of the build.
ZHCALC_TEST_PACKAGES=(
    clang libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
    libxdamage-dev alsa-utils locales dbus-daemon desktop-file-utils
    # the widget tests name DejaVu Sans
    fonts-dejavu-core fonts-dejavu-extra
    # end-to-end runs on private X and Wayland servers
    xvfb xauth x11-utils xdotool xclip imagemagick trayer openbox
    weston xwayland python3-xlib
    # key tones against a private PulseAudio null sink (tests, bench)
    pulseaudio libasound2-plugins
    # the accessibility bus and its reader, for the screen-reader test
    at-spi2-core python3-pyatspi
)

# Building and checking the Debian package, on top of the build: dpkg-shlibdeps
# (dpkg-dev, file), the icons' PNG sizes, the validators and man.
ZHCALC_PACKAGING_PACKAGES=(
    dpkg-dev file librsvg2-bin
    lintian desktop-file-utils appstream man-db
)

# install_needs NEED...: installs the packages of each NEED (build, screenshot, test,
# packaging) that are missing, as root or through sudo. Does nothing when all are there.
install_needs() {
    local need p
    local -a wanted=() missing=() sudo=()
    for need in "$@"; do
        case $need in
        build) wanted+=("${ZHCALC_BUILD_PACKAGES[@]}") ;;
        screenshot) wanted+=("${ZHCALC_SCREENSHOT_PACKAGES[@]}") ;;
        test) wanted+=("${ZHCALC_TEST_PACKAGES[@]}") ;;
        packaging) wanted+=("${ZHCALC_PACKAGING_PACKAGES[@]}") ;;
        *) echo "install_needs: unknown need '$need'" >&2; return 2 ;;
        esac
    done
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0
    # Listed under two needs, a package is asked for once.
    mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)

    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    echo "Installing: ${missing[*]}" >&2
    # Another apt running on the machine is waited for rather than failed on.
    local -a apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300)
    "${apt[@]}" update -qq
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
