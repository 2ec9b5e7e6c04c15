#!/usr/bin/env bash
# Runs every test: the portable rules natively (ASan, UBSan), a bounded fuzz
# run, checks of both exes, and the Windows tests under Wine: in-process tests
# on Wine's null display driver, and the real exe in Xvfb driven by real input.
# Ends with one line "N passed, M failed"; exits non-zero on any failure.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh" || exit 1
"$root/scripts/build.sh" || exit 1

passed=0 failed=0
note() {  # note NAME STATUS
  if [ "$2" -eq 0 ]; then passed=$((passed + 1)); echo "PASS $1"; else failed=$((failed + 1)); echo "FAIL $1"; fi
}
# Adds ctest's own counts from its closing line.
ctest_counts() {  # ctest_counts LOG
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then failed=$((failed + 1)); echo "FAIL ctest ran no test ($1)"; return; fi
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - bad)) failed=$((failed + bad))
  echo "$line"
}
logs=$root/build/logs
mkdir -p "$logs"

echo "== native unit tests"
ctest --test-dir build/native -j2 --output-on-failure >"$logs/native.log" 2>&1
grep -E '^\s*[0-9]+/[0-9]+ Test .*(Failed|Exception)' "$logs/native.log"
ctest_counts "$logs/native.log"

echo "== fuzzing the text conversion for ${RUDIV_FUZZ_SECONDS:-10} s"
mkdir -p build/fuzz/corpus
build/fuzz/conversion_fuzzer -max_total_time="${RUDIV_FUZZ_SECONDS:-10}" build/fuzz/corpus \
  >"$logs/fuzz.log" 2>&1
status=$?
[ $status -eq 0 ] || tail -n 30 "$logs/fuzz.log"
note "fuzzer: $(grep -oE 'Done [0-9]+ runs' "$logs/fuzz.log" || echo 'did not finish')" $status

echo "== the exes"
for arch in x86_64 i686; do
  scripts/check-exe.sh "build/$arch/RudivAdodavuv.exe" "$arch"
  note "imports and PE flags of the $arch exe" $?
done

echo "== reproducible builds"
scripts/check-reproducible.sh
note "two clean builds give byte-identical exes" $?

echo "== Windows tests under Wine"
wine_session() {  # wine_session PREFIX DRIVER: a fresh prefix with its server and explorer up
  scripts/wine-prefix.sh "$1" "$2" || return 1
  # Started ahead, so that each test does not wait for them (about 3 s each).
  WINEPREFIX=$1 wineserver -p
  WINEPREFIX=$1 WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 timeout 60 wine cmd /c exit
}
prefix=$root/build/x86_64/wine/null
if wine_session "$prefix" null; then
  ctest --test-dir build/x86_64 -j2 -LE e2e -E 'race_tests' --output-on-failure >"$logs/wine.log" 2>&1
  grep -E '^\s*[0-9]+/[0-9]+ Test .*(Failed|Exception|Timeout)' "$logs/wine.log"
  ctest_counts "$logs/wine.log"
  WINEPREFIX=$prefix wineserver -k
else
  note "making the Wine prefix" 1
fi

echo "== the real exe in Xvfb"
xprefix=$root/build/x86_64/wine/x11
if scripts/wine-prefix.sh "$xprefix" x11; then
  xvfb-run -a -s '-screen 0 1024x768x24' bash -c "
    WINEPREFIX='$xprefix' wineserver -p
    WINEPREFIX='$xprefix' WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 timeout 60 wine cmd /c exit
    RUDIV_WINEPREFIX='$xprefix' ctest --test-dir build/x86_64 -L e2e --output-on-failure
    status=\$?
    WINEPREFIX='$xprefix' wineserver -k
    exit \$status" >"$logs/e2e.log" 2>&1
  grep -E '^\s*[0-9]+/[0-9]+ Test .*(Failed|Exception|Timeout)' "$logs/e2e.log"
  if grep -q 'No tests were found' "$logs/e2e.log"; then echo "no e2e tests yet"; else ctest_counts "$logs/e2e.log"; fi
else
  note "making the Wine prefix for Xvfb" 1
fi

echo "Logs: $logs"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
