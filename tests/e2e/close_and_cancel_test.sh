#!/usr/bin/env bash
# Cancel restores both buttons and leaves the label as the countdown left it;
# closing the window during a countdown ends the process with code 0, and no
# power call is made in either case.
source "$(dirname "$0")/lib.sh"
wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d 'user32.ExitWindowsEx' /f >/dev/null

start_program "$work" +relay
click 210
key ctrl+a BackSpace
type_text 4
click 100
at_three() { [ "$(probe text 230)" = "倒计时：3 秒后注销用户" ]; }
until_true 5 at_three || true
expect_eq "$(probe text 230)" "倒计时：3 秒后注销用户" "counting"
click 220
both_enabled() { [ "$(probe enabled 100)$(probe enabled 220)" = 11 ]; }
until_true 3 both_enabled || true  # the worker notices the cancel at the end of its second
expect_eq "$(probe enabled 100)$(probe enabled 220)" "11" "both buttons back after cancel"
last=$(probe text 230)
sleep 4
expect_eq "$(probe text 230)" "$last" "the label keeps the last caption"
[[ "$last" == 倒计时：[23]\ 秒后注销用户 ]] || fail "unexpected last caption [$last]"

# Close the window while a cancel waits for the countdown to notice.
click 100
sleep 1.3
click 220
key alt+F4
expect_eq "$(wait_program "$work")" 0 "exit code after closing during a cancel"
! grep -q 'Call user32.ExitWindowsEx' "$work/wine.log" || fail "a power call was made"

# Start again and close the window while it counts.
start_program "$work" +relay
click 100
sleep 1.5
key alt+F4
expect_eq "$(wait_program "$work")" 0 "exit code after closing during a countdown"
sleep 3  # past the end the countdown would have had
! grep -q 'Call user32.ExitWindowsEx' "$work/wine.log" || fail "a power call was made"
echo "ok: no power call"
echo "PASS"
