#!/usr/bin/env bash
# Runs a test program on a private Xvfb server. Exits 77, which the test runner counts as
# skipped, when no X server can be started here.
set -u
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "skipped: Xvfb is not installed" >&2
    exit 77
fi
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1400x900x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 50); do
    [[ -s $display_file ]] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if [[ ! -s $display_file ]]; then
    echo "skipped: Xvfb did not start" >&2
    exit 77
fi
DISPLAY=":$(head -n 1 "$display_file")" QT_QPA_PLATFORM=xcb "$@"
