#!/usr/bin/env bash
# Installs the Debian 12 packages the viewer needs to build, test and run, only those missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build      # toolchain
    clang libclang-rt-14-dev   # the fuzz target: clang's libFuzzer and sanitizer runtimes
    qt6-base-dev               # Qt 6 Widgets and Qt Test
    qt6-translations-l10n      # Qt's own texts (file dialog, buttons) in the user's language
    libgtest-dev               # GoogleTest
    libbenchmark-dev           # Google Benchmark, for bench/
    fonts-liberation2          # Liberation Sans: Arial's metrics, with Cyrillic glyphs
    fonts-dejavu-core          # the fallback font
    xvfb xauth                 # an X server for the screenshot test
    locales                    # locale sources, for the tests that must not depend on the locale
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
