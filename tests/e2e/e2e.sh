#!/usr/bin/env bash
# End-to-end tests of the real ternwick.exe: started under Wine on the test
# run's X server, driven by X keyboard input, read back through the X
# clipboard, as a user would use it.
#   e2e.sh PROGRAM.exe WINEPREFIX OUTPUT_DIR CASE
set -euo pipefail
PROGRAM=$1
export WINEPREFIX=$2
OUTPUT_DIR=$3
CASE=$4
. "$(dirname "$0")/../../tools/wine-env.sh"

WINDOW=""
PROGRAM_PID=""
XCLIP_PID=""
FAILURES=0

fail() {
  echo "FAIL [$CASE]: $*"
  FAILURES=$((FAILURES + 1))
}

cleanup() {
  [ -n "$XCLIP_PID" ] && kill "$XCLIP_PID" 2>/dev/null || true
  [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
}
trap cleanup EXIT

start_calculator() {
  wine "$PROGRAM" &
  PROGRAM_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --name '^Ternwick \(v' | head -n 1)
  [ -n "$WINDOW" ] || { echo "FAIL [$CASE]: the window did not appear"; exit 1; }
  # XTEST keys reach the window only once it has the X input focus.
  xdotool windowfocus --sync "$WINDOW"
}

type_keys() { xdotool type --delay 40 "$1"; }
press() { xdotool key --delay 40 "$@"; }

# Copies with Ctrl+C and compares the X clipboard with the expected text.
expect_copy() {
  local expected=$1 actual=""
  press ctrl+c
  for _ in $(seq 30); do
    actual=$(timeout 2 xclip -o -selection clipboard 2>/dev/null || true)
    [ "$actual" = "$expected" ] && return 0
    sleep 0.1
  done
  fail "clipboard holds '$actual', expected '$expected'"
}

put_on_x_clipboard() {
  printf '%s' "$1" | xclip -i -selection clipboard &
  XCLIP_PID=$!
  for _ in $(seq 30); do
    [ "$(timeout 2 xclip -o -selection clipboard 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "the X clipboard never offered '$1'"
}

window_size() {
  xdotool getwindowgeometry "$WINDOW" | sed -n 's/.*Geometry: //p'
}

# Alt+F4 closes the window; the process must end by itself with code 0.
close_with_alt_f4() {
  press alt+F4
  local code=0
  wait "$PROGRAM_PID" || code=$?
  PROGRAM_PID=""
  [ "$code" -eq 0 ] || fail "exit code $code after Alt+F4"
}

case_chain() {
  type_keys "2+3*4="
  expect_copy "14"
  type_keys "5+3="
  expect_copy "8"
  import -window "$WINDOW" "$OUTPUT_DIR/e2e-window.png"
}

case_row_change() {
  type_keys "1F"
  press Tab
  type_keys "5"
  expect_copy "315"
  press Escape
  type_keys "="
  expect_copy "0"
}

case_copy_each_row() {
  press F6
  type_keys "5!"
  expect_copy "-5"
  press F5
  expect_copy "FFFFFFFFFFFFFFFB"
  press F8
  expect_copy "1111111111111111111111111111111111111111111111111111111111111011"
}

case_paste() {
  put_on_x_clipboard "ff"
  press ctrl+v
  press F6
  expect_copy "255"
}

case_accelerators() {
  local wide narrow
  wide=$(window_size)
  press ctrl+b
  narrow=$(window_size)
  [ "$narrow" != "$wide" ] || fail "Ctrl+B left the window at $wide"
  press ctrl+b
  [ "$(window_size)" = "$wide" ] || fail "second Ctrl+B gave $(window_size), not $wide"
  press ctrl+s
  [ "$(window_size)" != "$wide" ] || fail "Ctrl+S left the window at $wide"
  press ctrl+s
  [ "$(window_size)" = "$wide" ] || fail "second Ctrl+S gave $(window_size), not $wide"
  type_keys "7+2"
  press Escape
  type_keys "="
  expect_copy "7"
}

wait_for_window() {
  timeout 10 xdotool search --sync --name "$1" >/dev/null || fail "no window named '$1'"
}

wait_for_no_window() {
  for _ in $(seq 50); do
    xdotool search --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window named '$1' is still open"
}

case_dialogs() {
  press alt+slash
  wait_for_window '^About$'
  press Escape
  wait_for_no_window '^About$'
  press F1
  wait_for_window '^Ternwick - Help$'
  press Escape
  wait_for_no_window '^Ternwick - Help$'
  type_keys "9"
  expect_copy "9"
}

start_calculator
"case_${CASE//-/_}"
close_with_alt_f4
[ "$FAILURES" -eq 0 ] || exit 1
echo "ok [$CASE]"
