#!/usr/bin/env bash
# Runs the race tests, about five minutes: closing the window at random moments
# in the last second of a 2-second countdown, and cancelling at random moments
# of a 3-second countdown, RUDIV_RACE_RUNS times each (default 50).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh || exit 1
scripts/build.sh x86_64 || exit 1
prefix=$root/build/x86_64/wine/races
scripts/wine-prefix.sh "$prefix" null || exit 1
export WINEPREFIX=$prefix
wineserver -p
WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 timeout 60 wine cmd /c exit
RUDIV_WINE_TIMEOUT=900 RUDIV_WINEPREFIX=$prefix ctest --test-dir build/x86_64 -R 'race_tests' -V 2>&1 | tee build/races.log |
  grep -a -E '^[0-9]+: (run |[0-9]+ runs)|tests passed'
status=${PIPESTATUS[0]}
wineserver -k
exit "$status"
