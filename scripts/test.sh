#!/usr/bin/env bash
# The whole test suite: sets up what is missing, builds the normal, the sanitizer and the
# fuzzing build, runs every test of the first two on a display (without DISPLAY it starts
# its own Xvfb) and each fuzzing target for FUZZ_SECONDS (30 by default).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" asan fuzz

source "$root/scripts/display.sh"

jobs=$(nproc)
echo "test: normal build"
ctest --test-dir "$root/build" -j "$jobs" --output-on-failure
echo "test: sanitizer build"
ctest --test-dir "$root/build-asan" -j "$jobs" --output-on-failure
echo "test: fuzzing"
"$root/scripts/fuzz.sh"
