#!/usr/bin/env bash
# Installs the Debian 12 packages the viewer needs to build, test and run, only those missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build      # toolchain
    qt6-base-dev               # Qt 6 Widgets and Qt Test
    libgtest-dev               # GoogleTest
    fonts-dejavu-core          # a font with Cyrillic glyphs for the window
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
