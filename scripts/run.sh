#!/usr/bin/env bash
# Sets up this machine, builds Corvanta and runs it under Wine against the demo data server.
# With a display, Corvanta opens on it and everything stops when it is closed. Without one it
# runs on a virtual display, saves a screenshot once the list has filled, and stops.
#
# Knobs for scripts/screenshot.sh (and the curious): CORVANTA_SHOT=<png> always takes a
# screenshot and stops; CORVANTA_SHOT_WINDOW=1 saves the main window only;
# CORVANTA_SHOT_DELAY=<s> seconds to wait after the window appears (default 15);
# CORVANTA_PORT=<n> the demo server's port; CORVANTA_XVFB=1 forces the virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${CORVANTA_BUILD:-$root/build}
app=$build/windows/src/app/corvanta.exe
server=$build/windows/tools/demo_server/demo_server.exe

# The program's server address is fixed when it is built. Port 80 needs root (or a system
# that lets anyone bind it); otherwise server and program both use 8080.
unprivileged_from=$(cat /proc/sys/net/ipv4/ip_unprivileged_port_start 2>/dev/null || echo 1024)
if [ -n "${CORVANTA_PORT:-}" ]; then
  port=$CORVANTA_PORT
elif [ "$(id -u)" -eq 0 ] || [ "$unprivileged_from" -le 80 ]; then
  port=80
else
  port=8080
fi
if [ "$port" = 80 ]; then base=http://127.0.0.1; else base=http://127.0.0.1:$port; fi

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCORVANTA_SERVER_BASE="$base" >/dev/null
# Only the Windows programs: the native test build is not needed to run the program.
cmake --build "$build" -j2 --target windows
for exe in "$app" "$server"; do
  [ -f "$exe" ] || { echo "run: $exe was not built" >&2; exit 1; }
done

if { [ -z "${DISPLAY:-}" ] || [ "${CORVANTA_XVFB:-}" = 1 ]; } && [ -z "${CORVANTA_SHOT:-}" ]; then
  CORVANTA_SHOT=$build/screenshot.png
fi

. "$root/scripts/wine-env.sh"
server_pid=
app_pid=
stop_all() {
  local pid
  for pid in $app_pid $server_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  corvanta_wine_stop
}
trap stop_all EXIT
trap 'exit 130' INT TERM
corvanta_wine_start "$root"

# A virtual display has no window manager to draw captions and frames, so Wine draws
# Corvanta's own (only for corvanta.exe; on a real desktop the window manager does it).
frame_key='HKCU\Software\Wine\AppDefaults\corvanta.exe\X11 Driver'
if [ -n "$CORVANTA_XVFB_PID" ]; then
  wine reg add "$frame_key" /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null || true
else
  wine reg delete "$frame_key" /v Decorated /f >/dev/null 2>&1 </dev/null || true
fi

url=http://127.0.0.1:$port/
if curl -s -o /dev/null --max-time 2 "$url"; then
  echo "run: something already answers on $url; stop it first, or set CORVANTA_PORT" >&2
  exit 1
fi
echo "run: starting the demo data server on $url"
wine "$server" --port "$port" >"$build/demo_server.log" 2>&1 </dev/null &
server_pid=$!
for _ in $(seq 1 60); do
  curl -s -o /dev/null --max-time 1 "$url" && break
  if ! kill -0 "$server_pid" 2>/dev/null; then
    echo "run: the demo server stopped; see $build/demo_server.log" >&2
    exit 1
  fi
  sleep 0.5
done
curl -s -o /dev/null --max-time 1 "$url" || { echo "run: the demo server does not answer" >&2; exit 1; }

echo "run: starting Corvanta on display $DISPLAY"
wine "$app" >"$build/corvanta.log" 2>&1 </dev/null &
app_pid=$!

if [ -z "${CORVANTA_SHOT:-}" ]; then
  wait "$app_pid" || true
  app_pid=
  exit 0
fi

window=$(corvanta_wait_window Corvanta 60) || { echo "run: no Corvanta window appeared" >&2; exit 1; }
# The first refresh comes 6 s after the window is created; give it time to fill the list.
sleep "${CORVANTA_SHOT_DELAY:-15}"
kill -0 "$app_pid" 2>/dev/null || { echo "run: Corvanta exited early; see $build/corvanta.log" >&2; exit 1; }
if [ "${CORVANTA_SHOT_WINDOW:-}" = 1 ]; then
  corvanta_capture "$CORVANTA_SHOT" "$window"
else
  corvanta_capture "$CORVANTA_SHOT"
fi
echo "run: screenshot saved to $CORVANTA_SHOT"
