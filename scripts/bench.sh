#!/usr/bin/env bash
# Builds the benchmarks and runs them under Wine on a virtual display, printing their figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTA_BUILD:-$root/build}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2 --target windows

export CORVANTA_XVFB=1
. "$root/scripts/wine-env.sh"
trap corvanta_wine_stop EXIT
corvanta_wine_start "$root"
echo "refresh_bench: the feed refresh in MainWindow, worst of 3 refreshes per size"
wine "$build/windows/bench/refresh_bench.exe"
