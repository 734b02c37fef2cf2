#!/usr/bin/env bash
# Builds if needed, runs Corvanta against the demo data server on a virtual display, waits for
# the first refresh to fill the list and saves the main window as a PNG.
#   scripts/screenshot.sh [output.png]      (default docs/screenshot.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshot.png}
case $out in /*) ;; *) out=$PWD/$out ;; esac
CORVANTA_XVFB=1 CORVANTA_SHOT=$out CORVANTA_SHOT_WINDOW=1 CORVANTA_SHOT_DELAY=${CORVANTA_SHOT_DELAY:-9} \
  exec "$root/scripts/run.sh"
