#!/usr/bin/env bash
# Builds the program and starts it under Wine (the x86_64 exe; this machine runs
# no 32-bit code). With no display it runs in Xvfb, saves a screenshot to
# build/screenshot.png and closes the window again after RUDIV_SHOW_SECONDS
# (default 5). The settings file lands beside the exe, in build/run/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh x86_64 i686

run=$root/build/run
prefix=$run/wine
mkdir -p "$run"
cp build/x86_64/RudivAdodavuv.exe "$run/"
[ -d "$prefix" ] || scripts/wine-prefix.sh "$prefix" x11
export WINEPREFIX=$prefix WINEDEBUG=-all LC_ALL=zh_CN.UTF-8

if [ -n "${DISPLAY:-}" ]; then
  wine "$run/RudivAdodavuv.exe"
  exit $?
fi

shot=$root/build/screenshot.png
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
  wine "$1" & pid=$!
  for _ in $(seq 100); do
    w=$(xdotool search --name "^倒计时关机$" 2>/dev/null | head -n 1) && [ -n "$w" ] && break
    sleep 0.2
  done
  if [ -z "${w:-}" ]; then echo "run: the window did not appear" >&2; kill $pid; exit 1; fi
  sleep 1
  import -window root "$2"
  echo "run: window shown; screenshot in $2"
  sleep "${RUDIV_SHOW_SECONDS:-5}"
  xdotool windowfocus --sync "$w" key alt+F4
  wait $pid
  echo "run: the program ended with exit code $?"
' run "$run/RudivAdodavuv.exe" "$shot"
