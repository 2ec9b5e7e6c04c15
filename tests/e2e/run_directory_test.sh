#!/usr/bin/env bash
# The settings file lands beside the exe: in a folder whose name holds a GBK
# character with trail byte 0x5C (乗 is 81 5C), and in a drive's root.
source "$(dirname "$0")/lib.sh"

folder="$work/工具乗"
mkdir -p "$folder"
start_program "$folder"
probe close
expect_eq "$(wait_program "$folder")" 0 "exit code"
[ -f "$folder/RudivAdodavuv.ini" ] || fail "no settings file in $folder: $(ls -R "$work")"
echo "ok: settings beside the exe in a folder named 工具乗"

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
