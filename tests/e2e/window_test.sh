#!/usr/bin/env bash
# The real exe shows its window with readable texts, takes typed input through
# its filter, and on Alt+F4 stores the choices and ends with exit code 0.
source "$(dirname "$0")/lib.sh"

printf '[设置]\r\n类型=6\r\n小时=1\r\n分钟=-5\r\n秒钟=４５\r\n' | iconv -f UTF-8 -t GBK >"$work/RudivAdodavuv.ini"
start_program "$work"
expect_eq "$(probe acp)" 936 "Wine's ANSI code page"
expect_eq "$(probe text 0)" "倒计时关机" "title"
expect_eq "$(probe text 100)" "开始计时" "start button"
expect_eq "$(probe text 230)" "倒计时：-1 秒" "countdown label"
expect_eq "$(probe checked 140)$(probe checked 150)" "11" "stored restart, forced"
expect_eq "$(probe text 160)|$(probe text 190)|$(probe text 210)" "1|0|45" "stored time"
expect_eq "$(probe focus)" 100 "focus on the start button"
import -window root "$work/window.png"

# Real keys: Shift+Tab from the start button wraps to cancel; Tab twice more reaches 注销.
key shift+Tab
expect_eq "$(probe focus)" 220 "Shift+Tab wraps"
key Tab Tab
expect_eq "$(probe focus)" 120 "Tab order"
key Right
expect_eq "$(probe checked 120)$(probe checked 130)$(probe checked 140)" "010" "Right checks 关机"

click 210
key ctrl+a BackSpace
type_text "1a2.5"
expect_eq "$(probe text 210)" "125" "typed text is filtered"
click 150
expect_eq "$(probe checked 150)" "0" "a click clears the force box"

key Escape Return
expect_eq "$(probe text 0)" "倒计时关机" "Esc and Enter leave the window open"
key alt+F4
expect_eq "$(wait_program "$work")" 0 "exit code after Alt+F4"
expect_eq "$(ini_text "$work")" "$(printf '[设置]\n类型=1\n小时=1\n分钟=0\n秒钟=125')" "stored on close"
echo "PASS"
