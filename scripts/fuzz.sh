#!/usr/bin/env bash
# Runs each fuzzing target for a bounded time (FUZZ_SECONDS, 30 by default) from a copy of
# its seed corpus in tests/fuzz/corpus. A crash, a sanitizer report or a failed check stops
# the target and fails the run; the input that did it is left in the scratch directory named.
#   scripts/fuzz.sh                 every target
#   scripts/fuzz.sh config player   some of them (the names under tests/fuzz/corpus)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" fuzz
seconds=${FUZZ_SECONDS:-30}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for corpus in "$root"/tests/fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi

scratch=$(mktemp -d)
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target/corpus"
    cp "$root/tests/fuzz/corpus/$target/"* "$scratch/$target/corpus/"
    echo "fuzz: $target for $seconds s"
    if ! (cd "$scratch/$target" && "$root/build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
              -print_final_stats=1 corpus >log 2>&1); then
        tail -n 40 "$scratch/$target/log" >&2
        echo "fuzz: $target failed; its input is in $scratch/$target" >&2
        exit 1
    fi
    grep -E '^Done' "$scratch/$target/log"
done
rm -rf "$scratch"
