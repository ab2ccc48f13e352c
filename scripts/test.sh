#!/usr/bin/env bash
# The whole test suite: sets up what is missing, builds the normal and the sanitizer build
# and runs every test of both on a display. Without DISPLAY it starts its own Xvfb.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" asan

source "$root/scripts/display.sh"

jobs=$(nproc)
echo "test: normal build"
ctest --test-dir "$root/build" -j "$jobs" --output-on-failure
echo "test: sanitizer build"
ctest --test-dir "$root/build-asan" -j "$jobs" --output-on-failure
