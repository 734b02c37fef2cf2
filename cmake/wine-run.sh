#!/bin/sh
# Runs a Windows program under Wine with the caller's prefix and display; keeps its exit status.
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
