#!/usr/bin/env bash
# Installs what building and running Corvanta on Debian 12 needs: the MinGW-w64 cross compiler,
# Wine, a virtual X server, a CJK font and the zh_CN.UTF-8 locale. Safe to run again.
set -euo pipefail

packages=(cmake ninja-build g++ googletest g++-mingw-w64-x86-64-posix wine wine64 xvfb
          x11-utils imagemagick fonts-wqy-zenhei fonts-wqy-microhei fonts-wine locales curl clang libclang-rt-14-dev)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Chinese texts render in Wine once the prefix is created under a Chinese UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
