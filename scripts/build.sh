#!/usr/bin/env bash
# Builds every target: scripts/build.sh [native|fuzz|x86_64|i686 ...] (all by default).
#   build/native  portable rules and their tests, with ASan and UBSan (g++)
#   build/fuzz    the text-conversion fuzzer (clang, libFuzzer)
#   build/x86_64  the exe that runs under Wine here, and the Windows tests
#   build/i686    the 32-bit release exe
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(native fuzz x86_64 i686)

for t in "${targets[@]}"; do
  case $t in
    native) args=() ;;
    fuzz) args=(-DRUDIV_FUZZER=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    x86_64|i686) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$t-w64-mingw32.cmake") ;;
    *) echo "build: unknown target $t" >&2; exit 2 ;;
  esac
  [ "$t" = i686 ] && args+=(-DRUDIV_TESTS=OFF)
  mkdir -p build
  log=build/$t.log
  if ! { cmake -S . -B "build/$t" -G Ninja "${args[@]}" && cmake --build "build/$t" -j2; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "build: $t failed" >&2
    exit 1
  fi
  echo "build: $t done"
done
