#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test:
#   - the Qt-free libraries and their tests under AddressSanitizer and UndefinedBehaviorSanitizer;
#   - everything again in an ordinary optimised build, the window tests on Qt's offscreen platform.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/setup.sh

jobs=$(nproc)

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTREND_SANITIZE=ON -DTREND_BUILD_UI=OFF
cmake --build build/sanitize --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/sanitize --output-on-failure --parallel "$jobs"

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release --parallel "$jobs"
ctest --test-dir build/release --output-on-failure --parallel "$jobs"
