#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
# Idempotent; needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libfreetype-dev libfontconfig-dev zlib1g-dev liblz4-dev
  fonts-wine fonts-liberation2 fonts-dejavu-core
  xvfb xdotool x11-apps liblnk-utils twm xfonts-base
  g++-mingw-w64-x86-64-posix wine wine64 locales imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

if [ ${#missing[@]} -ne 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The Windows programs run in Wine under a Polish locale, whose ANSI code page is Windows-1250.
if ! locale -a | grep -qi '^pl_PL\.utf-\?8$'; then
  echo "setup: generating the pl_PL.UTF-8 locale"
  "${as_root[@]}" localedef -i pl_PL -c -f UTF-8 pl_PL.UTF-8
fi
