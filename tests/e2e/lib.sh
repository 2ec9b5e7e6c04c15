# Shared by the end-to-end tests: a copy of the real exe in a folder of its own,
# started under Wine on the Xvfb display, driven with xdotool and looked at from
# outside with probe.exe. Control IDs: 100 start, 120/130/140 log off, shut
# down, restart, 150 force, 160/190/210 hours, minutes, seconds, 220 cancel, 230 label.
set -euo pipefail
: "${RUDIV_BUILD:?run through ctest}" "${DISPLAY:?needs a display (Xvfb)}"
export WINEPREFIX=${RUDIV_WINEPREFIX:?} LC_ALL=${RUDIV_LC_ALL:-zh_CN.UTF-8}
export WINEDEBUG=-all

mkdir -p "$RUDIV_BUILD/e2e"
work=$(mktemp -d "$RUDIV_BUILD/e2e/$(basename "$0" .sh).XXXXXX")
program_pid=

# A test that fails midway must not leave its program running for the next one.
cleanup() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    probe close >/dev/null 2>&1 || true
    sleep 1
    pkill -f 'RudivAdodavuv.exe' 2>/dev/null || true
  fi
  rm -f "$WINEPREFIX/dosdevices/r:"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
expect_eq() { [ "$1" = "$2" ] || fail "$3: got [$1], expected [$2]"; echo "ok: $3"; }

probe() { timeout 30 wine "$RUDIV_BUILD/probe.exe" "$@" | tr -d '\r'; }

# start_program DIR [wine debug channels]: runs DIR/RudivAdodavuv.exe until its window shows.
start_program() {
  local dir=$1 debug=${2:--all}
  rm -f "$dir/exit-code"
  [ -f "$dir/RudivAdodavuv.exe" ] || cp "$RUDIV_BUILD/RudivAdodavuv.exe" "$dir/"
  ( cd "$dir" && WINEDEBUG=$debug timeout 120 wine RudivAdodavuv.exe 2>"$dir/wine.log"; echo $? >"$dir/exit-code" ) &
  program_pid=$!
  probe wait 30 >/dev/null || fail "the window did not appear"
  window=$(xdotool search --name '^倒计时关机$' | head -n 1)
  [ -n "$window" ] || fail "no X window for the program"
  xdotool windowfocus --sync "$window"
}

# Waits for the program to end; prints its exit code.
wait_program() {
  local i
  for i in $(seq 600); do
    [ -f "$1/exit-code" ] && { wait "$program_pid" 2>/dev/null || true; cat "$1/exit-code"; return; }
    sleep 0.1
  done
  fail "the program did not end"
}

click() {  # click ID: a real mouse click in the middle of the control
  local x y
  read -r x y < <(probe center "$1") || fail "no control $1"
  xdotool mousemove --sync "$x" "$y" click 1
  sleep 0.2
}

key() { xdotool key --clearmodifiers "$@"; sleep 0.2; }
type_text() { xdotool type --delay 30 "$1"; sleep 0.2; }

# until SECONDS COMMAND...: retries the command until it succeeds.
until_true() {
  local tries=$(($1 * 10)); shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}

ini_text() { iconv -f GBK -t UTF-8 "$1/RudivAdodavuv.ini" | tr -d '\r'; }
