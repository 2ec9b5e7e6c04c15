#!/usr/bin/env bash
# The settings file lands beside the exe: in a folder whose name holds a GBK
# character with trail byte 0x5C (乗 is 81 5C), and in a drive's root; a second
# copy started beside a running one opens its own window.
source "$(dirname "$0")/lib.sh"

folder="$work/工具乗"
mkdir -p "$folder"
start_program "$folder"
probe close
expect_eq "$(wait_program "$folder")" 0 "exit code"
[ -f "$folder/RudivAdodavuv.ini" ] || fail "no settings file in $folder: $(ls -R "$work")"
echo "ok: settings beside the exe in a folder named 工具乗"

# A second copy started while the first runs opens its own window; both share the file.
start_program "$folder"
first_pid=$program_pid
( cd "$folder" && timeout 120 wine RudivAdodavuv.exe 2>/dev/null; echo $? >"$folder/second-exit-code" ) &
two_windows() { [ "$(xdotool search --name '^倒计时关机$' | wc -l)" -ge 2 ]; }
until_true 30 two_windows || fail "the second copy opened no window of its own"
echo "ok: a second copy opens its own window"
one_window() { [ "$(xdotool search --name '^倒计时关机$' | wc -l)" -eq 1 ]; }
probe close
until_true 30 one_window || fail "closing one copy did not leave the other"
probe close
program_pid=$first_pid
expect_eq "$(wait_program "$folder")" 0 "exit code of the first copy"
until_true 30 test -f "$folder/second-exit-code" || fail "the second copy did not end"
expect_eq "$(cat "$folder/second-exit-code")" 0 "exit code of the second copy"

# A drive letter of its own, mapped to a folder: the exe lies in R:\.
root="$work/drive"
mkdir -p "$root"
ln -sfn "$root" "$WINEPREFIX/dosdevices/r:"
cp "$RUDIV_BUILD/RudivAdodavuv.exe" "$root/"
( cd "$root" && timeout 120 wine 'R:\RudivAdodavuv.exe' 2>/dev/null; echo $? >"$root/exit-code" ) &
program_pid=$!
probe wait 30 >/dev/null || fail "the window did not appear from R:"
probe close
expect_eq "$(wait_program "$root")" 0 "exit code from R:"
[ -f "$root/RudivAdodavuv.ini" ] || fail "no settings file in R:\\"
echo "ok: settings in R:\\RudivAdodavuv.ini"
echo "PASS"
