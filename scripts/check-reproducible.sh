#!/usr/bin/env bash
# Builds both exes twice from scratch, in two different folders, and checks
# that each pair is byte for byte the same (no link timestamp, no build path).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for arch in i686 x86_64; do
  for n in 1 2; do
    cmake -S "$root" -B "$work/$n-$arch" -G Ninja -DRUDIV_TESTS=OFF \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" >/dev/null
    cmake --build "$work/$n-$arch" --target RudivAdodavuv -j2 >/dev/null
  done
  a=$(sha256sum <"$work/1-$arch/RudivAdodavuv.exe" | cut -d' ' -f1)
  b=$(sha256sum <"$work/2-$arch/RudivAdodavuv.exe" | cut -d' ' -f1)
  echo "$arch: $a"
  echo "$arch: $b"
  [ "$a" = "$b" ] || { echo "check-reproducible: the two $arch builds differ" >&2; status=1; }
done
exit $status
