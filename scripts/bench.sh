#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them: a load from disk through the series, a full
# redraw of the chart, a repaint that only blits, and a press on the chart.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREND_BUILD_TESTS=OFF \
    -DTREND_BUILD_BENCH=ON
cmake --build build/bench --parallel "$(nproc)" --target viewer_bench
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 build/bench/bench/viewer_bench "$@"
