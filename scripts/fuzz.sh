#!/usr/bin/env bash
# Builds the libFuzzer target with clang and runs it for a bounded time (default 60 s).
#   scripts/fuzz.sh [seconds]
# A finding stops the run with a non-zero status and leaves the input in build-fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${CORVANTA_FUZZ_BUILD:-$root/build-fuzz}

"$root/scripts/setup.sh"   # clang and its libFuzzer runtime are among its packages

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCORVANTA_FUZZ=ON -DCORVANTA_WINDOWS=OFF >/dev/null
cmake --build "$build" -j2 --target text_fuzz

# The corpus grows in the build folder; the checked-in seeds stay as they are.
corpus=$build/corpus
mkdir -p "$corpus"
log=$build/fuzz.log
status=0
"$build/fuzz/text_fuzz" "$corpus" "$root/fuzz/seeds" -max_total_time="$seconds" -max_len=4096 \
  -print_final_stats=1 -artifact_prefix="$build/" 2>"$log" || status=$?

grep -E '^stat::number_of_executed_units|^stat::average_exec_per_sec|^stat::new_units_added' "$log" || true
if [ "$status" -ne 0 ]; then
  tail -n 40 "$log"
  echo "fuzz: FINDING (exit status $status), input saved under $build/"
  exit "$status"
fi
echo "fuzz: no findings in ${seconds} s"
