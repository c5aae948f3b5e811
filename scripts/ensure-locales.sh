#!/usr/bin/env bash
# Generates the Russian UTF-8 locale that the locale-dependent tests run in, when it
# is missing. Needs root (or sudo); without either the tests that need it skip.
set -euo pipefail
locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$' && exit 0
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "ru_RU.UTF-8 missing and no root: its tests skip" >&2; exit 0; }
    sudo=(sudo)
fi
"${sudo[@]}" sed -i 's/^# *ru_RU.UTF-8/ru_RU.UTF-8/' /etc/locale.gen
grep -q '^ru_RU.UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
"${sudo[@]}" locale-gen >/dev/null
