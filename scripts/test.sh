#!/usr/bin/env bash
# Sets up this machine, builds everything (native with sanitizers, and for Windows) and runs every
# test: the native ones directly, the Windows ones under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTA_BUILD:-$root/build}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja
cmake --build "$build" -j2

# Tests always get a display of their own, so they never click on the user's desktop.
export CORVANTA_XVFB=1
. "$root/scripts/wine-env.sh"
trap corvanta_wine_stop EXIT
corvanta_wine_start "$root"
ctest --test-dir "$build" --output-on-failure -j2 "$@"
