#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, as root.
# Does nothing that is already done, so every command can call it.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest  # native build, sanitizers, fuzzer
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix        # the Windows exes
  wine wine64 fonts-wine                                     # running them (64-bit only here)
  xvfb xdotool x11-utils imagemagick fonts-wqy-microhei       # a screen, real input, Chinese glyphs
  xauth locales zip unzip procps
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from the locale; without the C library's locale
# it still says 936 but garbles non-ASCII paths.
for loc in zh_CN en_US; do
  locale -a 2>/dev/null | grep -qx "${loc}.utf8" || localedef -i "$loc" -f UTF-8 "${loc}.UTF-8"
done
