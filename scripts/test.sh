#!/usr/bin/env bash
# The whole test suite: sets up what is missing, builds the normal and the sanitizer build
# and runs every test of both on a display. Without DISPLAY it starts its own Xvfb.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" asan

if [ -z "${DISPLAY:-}" ]; then
    number=90
    while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
    Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT
    export DISPLAY=":$number"
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xdpyinfo >/dev/null 2>&1 || { echo "test: Xvfb did not start" >&2; exit 1; }
fi

jobs=$(nproc)
echo "test: normal build"
ctest --test-dir "$root/build" -j "$jobs" --output-on-failure
echo "test: sanitizer build"
ctest --test-dir "$root/build-asan" -j "$jobs" --output-on-failure
