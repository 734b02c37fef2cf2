#!/usr/bin/env bash
# Runs one command inside the project's Wine environment on a virtual display of its own,
# e.g.  scripts/with-wine.sh ctest --test-dir build -R app_ --output-on-failure
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export CORVANTA_XVFB=1
. "$root/scripts/wine-env.sh"
trap corvanta_wine_stop EXIT
corvanta_wine_start "$root"
"$@"
