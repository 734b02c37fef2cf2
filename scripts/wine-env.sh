# Sourced by the scripts: a Wine prefix of the project's own, a virtual X display when there is
# none, and a running wineserver so every Wine process starts in a fraction of a second.
# Everything started here is stopped by corvanta_wine_stop (the scripts trap EXIT on it).

corvanta_wine_start() {
  local root=$1
  export WINEPREFIX=${CORVANTA_WINEPREFIX:-$root/build/wineprefix}
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko installer prompts
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  CORVANTA_XVFB_PID=
  if [ -z "${DISPLAY:-}" ] || [ "${CORVANTA_XVFB:-}" = 1 ]; then
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    CORVANTA_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  setsid wineserver -p >/dev/null 2>&1 < /dev/null &
  sleep 0.5
  # The first program that touches the window system makes Wine start its desktop and services.
  # Start them here, detached from our output: a test that started them would leave them holding
  # its output pipe, and ctest would wait for that pipe until the test times out.
  wine rundll32.exe user32.dll,GetSystemMetrics >/dev/null 2>&1 < /dev/null || true
  # Wine draws every window's caption and frame itself instead of leaving them to a window
  # manager, which Xvfb does not have; without one, Wine also waits about 2 s on each window
  # it destroys.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 < /dev/null || true
  # Linux has none of the Chinese faces the program asks for; WenQuanYi Micro Hei draws them
  # cleanly at 12 pixels, where Wine's default stand-in loses strokes.
  local face
  for face in 宋体 新宋体 SimSun NSimSun 微软雅黑 "Microsoft YaHei"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "WenQuanYi Micro Hei" /f \
      >/dev/null 2>&1 < /dev/null || true
  done
}

corvanta_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${CORVANTA_XVFB_PID:-}" ]; then
    kill "$CORVANTA_XVFB_PID" 2>/dev/null || true
    wait "$CORVANTA_XVFB_PID" 2>/dev/null || true
  fi
}

# corvanta_wait_window <title> <seconds>: waits for a top-level window of exactly that title on
# $DISPLAY and prints its X window id; fails when none has appeared in time.
corvanta_wait_window() {
  local title=$1 deadline=$((SECONDS + $2)) id
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(xwininfo -name "$title" 2>/dev/null | awk '/Window id:/ { print $4; exit }')
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.5
  done
  return 1
}

# corvanta_capture <png> [window id]: saves the window, or the whole screen, as a PNG.
corvanta_capture() {
  local png=$1 window=${2:-root}
  mkdir -p "$(dirname "$png")"
  import -window "$window" "$png"
}
