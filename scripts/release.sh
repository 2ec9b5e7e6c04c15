#!/usr/bin/env bash
# Builds the release zip: dist/RudivAdodavuv-VERSION.zip with the 32-bit exe,
# the README and SHA256SUMS. VERSION is the CMake project version.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh i686
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/i686/CMakeCache.txt)
[ -n "$version" ] || { echo "release: no project version" >&2; exit 1; }
scripts/check-exe.sh build/i686/RudivAdodavuv.exe i686

name=RudivAdodavuv-$version
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp build/i686/RudivAdodavuv.exe README.md "$stage/$name/"
( cd "$stage/$name" && sha256sum RudivAdodavuv.exe README.md >SHA256SUMS )
# Fixed times and order, so the same commit gives the same zip.
find "$stage/$name" -exec touch -d '2000-01-01 00:00:00 UTC' {} +
mkdir -p dist
rm -f "dist/$name.zip"
( cd "$stage" && TZ=UTC zip -X -q -r "$root/dist/$name.zip" "$name/RudivAdodavuv.exe" "$name/README.md" "$name/SHA256SUMS" )
echo "release: dist/$name.zip"
unzip -l "dist/$name.zip"
