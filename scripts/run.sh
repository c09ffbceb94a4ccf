#!/usr/bin/env bash
# Sets up the machine, builds the viewer in release mode, writes the demo trend files if they are
# not there yet, and starts the viewer with the complete demo day open. Arguments go to the viewer
# in place of the demo day.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/setup.sh

cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREND_BUILD_TESTS=OFF
cmake --build build/run --parallel "$(nproc)"

demo=build/demo
if [[ ! -f $demo/demo-day.dat || ! -f $demo/demo-17-hours.dat || ! -f $demo/demo-damaged-order.dat ]]; then
    build/run/tools/make_demo_files "$demo"
fi

if (($# > 0)); then
    exec build/run/ui/trend-viewer "$@"
fi
exec build/run/ui/trend-viewer "$demo/demo-day.dat"
