#!/usr/bin/env bash
# A 3-second shut-down countdown set up with real clicks and keys: it ticks in
# the label, then the real ExitWindowsEx ends the Wine session, the window is
# asked through WM_QUERYENDSESSION, and the settings file holds the choices.
source "$(dirname "$0")/lib.sh"

# Log the power call's arguments, and window messages.
wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d 'user32.ExitWindowsEx;kernel32.SetDefaultDllDirectories' /f >/dev/null
start_program "$work" +relay
# DLLs come from System32 only, set before anything else is loaded.
grep -q -i 'Call KERNEL32.SetDefaultDllDirectories(00000800)' "$work/wine.log" ||
  fail "the DLL search path is not restricted to System32"
echo "ok: DLL search path restricted to System32"

click 130
click 210
key ctrl+a BackSpace
type_text 3
click 100
expect_eq "$(probe enabled 100)$(probe enabled 220)" "01" "buttons while counting"

# Every caption the label shows, until the session ends under the program.
captions=()
for _ in $(seq 200); do
  caption=$(probe text 230) || break
  if [ ${#captions[@]} -eq 0 ] || [ "${captions[-1]}" != "$caption" ]; then captions+=("$caption"); fi
  [ -f "$work/exit-code" ] && break
  sleep 0.05
done
printf 'seen: %s\n' "${captions[@]}"
expected=("倒计时：3 秒后关闭系统" "倒计时：2 秒后关闭系统" "倒计时：1 秒后关闭系统")
for i in 0 1 2; do expect_eq "${captions[$i]:-}" "${expected[$i]}" "caption $((i + 1))"; done

wait_program "$work" >/dev/null
grep -o 'Call user32.ExitWindowsEx([0-9a-f,]*)' "$work/wine.log" | head -n 3 >"$work/calls.txt" || true
expect_eq "$(cat "$work/calls.txt")" "Call user32.ExitWindowsEx(00000001,00000000)" "the power call and its flags"
grep -q 'Ret  window proc .*msg=WM_QUERYENDSESSION.*retval=00000001' "$work/wine.log" ||
  fail "the window was not asked whether the session may end, or did not answer yes"
! grep -q 'Ret  window proc .*msg=WM_QUERYENDSESSION.*retval=00000000' "$work/wine.log" ||
  fail "a window refused the session end"
echo "ok: the window was asked through WM_QUERYENDSESSION and answered yes"
expect_eq "$(ini_text "$work")" "$(printf '[设置]\n类型=1\n小时=0\n分钟=0\n秒钟=3')" "stored choices"
echo "PASS"
