#!/usr/bin/env bash
# Regenerates the README's pictures, docs/screenshots/*.png, from frames the game draws of
# its own res/. Without DISPLAY it runs on its own Xvfb.
#
#   scripts/screenshots.sh              sets up and builds what is missing (build/), then runs
#   scripts/screenshots.sh <build dir>  builds only the picture taker in that build directory
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 0 ]; then
    "$root/scripts/setup.sh"
    build=$root/build
else
    build=$(cd "$1" && pwd)
fi
cmake --build "$build" --target screenshots -j "$(nproc)"

run=("$build/tools/screenshots/screenshots" "$root/res" "$root/docs/screenshots")
if [ -z "${DISPLAY:-}" ]; then
    xvfb-run --auto-servernum --server-args="-screen 0 1920x1080x24 -nolisten tcp" "${run[@]}"
else
    "${run[@]}"
fi
