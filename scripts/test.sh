#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test:
#   - the Qt-free libraries and their tests under AddressSanitizer and UndefinedBehaviorSanitizer;
#   - everything again in an ordinary optimised build, the window tests on Qt's offscreen platform
#     and the screenshot test under Xvfb;
#   - the fuzz target, built with clang, for a bounded time from its seed corpus.
# Warnings in the project's own code fail the build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/setup.sh

jobs=$(nproc)
fuzz_seconds=${TREND_FUZZ_SECONDS:-60}

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTREND_SANITIZE=ON -DTREND_BUILD_UI=OFF -DTREND_WERROR=ON
cmake --build build/sanitize --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/sanitize --output-on-failure --parallel "$jobs"

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTREND_WERROR=ON \
    -DTREND_BUILD_BENCH=ON
cmake --build build/release --parallel "$jobs"
ctest --test-dir build/release --output-on-failure --parallel "$jobs"

CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTREND_BUILD_FUZZ=ON -DTREND_BUILD_UI=OFF -DTREND_BUILD_TESTS=OFF -DTREND_WERROR=ON
cmake --build build/fuzz --parallel "$jobs"
rm -rf build/fuzz/seeds
build/fuzz/fuzz/write_fuzz_seeds build/fuzz/seeds
mkdir -p build/fuzz/corpus
echo "Fuzzing for ${fuzz_seconds} s"
# The grown corpus stays in the build folder; a crash or an undocumented outcome fails the run.
build/fuzz/fuzz/trend_file_fuzzer -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 build/fuzz/corpus build/fuzz/seeds 2>build/fuzz/fuzz.log ||
    { tail -n 60 build/fuzz/fuzz.log; exit 1; }
tail -n 12 build/fuzz/fuzz.log
echo "fuzzing: no finding"
