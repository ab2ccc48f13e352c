#!/usr/bin/env bash
# Every benchmark: the noise, the world's building, the texture tick (Google Benchmark) and
# the game's frame. Builds first; starts its own Xvfb when DISPLAY is unset. Figures are
# only worth comparing on a quiet machine.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
source "$root/scripts/display.sh"

bench=$root/build/bench
"$bench/noise_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
"$bench/terrain_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
"$bench/texture_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
"$bench/frame_bench" 2>/dev/null | grep -v -E '^(INFO|WARNING):'
