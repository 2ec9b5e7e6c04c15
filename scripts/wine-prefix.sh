#!/usr/bin/env bash
# Makes a fresh Wine prefix for one test run: scripts/wine-prefix.sh DIR null|x11
#   null: Wine's null display driver (no screen; the fast path for in-process tests)
#   x11:  the X11 driver without window management, for runs in Xvfb
set -euo pipefail
prefix=$(realpath -m "$1") driver=$2
rm -rf "$prefix"
mkdir -p "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
timeout 120 wineboot --init >/dev/null 2>&1
if [ "$driver" = null ]; then
  timeout 60 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
else
  # Closing a window costs 2 s more when Wine waits for a window manager.
  timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
fi
timeout 60 wineserver -w
