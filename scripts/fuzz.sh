#!/usr/bin/env bash
# Builds the libFuzzer target with clang and runs it for a bounded time (default 60 s).
#   scripts/fuzz.sh [seconds]
# A finding stops the run with a non-zero status and leaves the input in build-fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${CORVANTA_FUZZ_BUILD:-$root/build-fuzz}

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
missing=()
for p in clang libclang-rt-14-dev cmake ninja-build; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "fuzz: installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

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
