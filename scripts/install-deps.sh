#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing zhcalc need.
# Does nothing when they are all present; uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    qt6-base-dev libasound2-dev libfontconfig-dev alsa-utils
    libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
    fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra fonts-urw-base35 fonts-ebgaramond
    fonts-noto-extra
    libxdamage-dev libxcb-shape0-dev xvfb xauth x11-utils xdotool xclip imagemagick trayer openbox locales
    desktop-file-utils dbus-daemon
    qt6-wayland weston xwayland python3-xlib
    pulseaudio libasound2-plugins  # key tones against a private PulseAudio null sink (tests, bench)
    at-spi2-core python3-pyatspi  # the accessibility bus and its reader, for the screen-reader test
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}" >&2
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
