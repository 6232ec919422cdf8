# shellcheck shell=bash
# Sourced by the end-to-end tests: starts a program on the test session's
# private X server, drives it with X keyboard input as a user would, reads
# the X clipboard, and closes it with Alt+F4. Callers set CASE first and
# call use_test_display (tools/test-display.sh) before driving anything.

WINDOW=""
PROGRAM_PID=""
XCLIP_PID=""
FAILURES=0

fail() {
  echo "FAIL [$CASE]: $*"
  FAILURES=$((FAILURES + 1))
}

stop_program() {
  [ -n "$XCLIP_PID" ] && kill "$XCLIP_PID" 2>/dev/null || true
  [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
}

# XTEST keys reach a window only once it has the X input focus. Without a
# window manager, windowfocus --sync now and then returns before the focus
# has really moved, so the focus is read back and asked for again until it
# holds.
focus_window() {
  local window=$1
  for _ in $(seq 20); do
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && return 0
    sleep 0.1
  done
  echo "FAIL [$CASE]: window $window never took the input focus"
  exit 1
}

# Runs the command in the background and waits up to SECONDS for the
# calculator's window, then gives it the focus:
#   start_program SECONDS COMMAND [ARGS...]
# A search is tried again and again rather than waiting in one: a window
# that goes away while xdotool reads it (Wine shows and closes some while
# it makes a prefix) ends that search with an X error.
start_program() {
  local seconds=$1
  shift
  "$@" &
  PROGRAM_PID=$!
  WINDOW=""
  local deadline=$((SECONDS + seconds))
  while [ -z "$WINDOW" ] && [ "$SECONDS" -lt "$deadline" ]; do
    WINDOW=$(xdotool search --name '^Ternwick \(v' 2>/dev/null | head -n 1) || true
    [ -n "$WINDOW" ] || sleep 0.2
  done
  [ -n "$WINDOW" ] || { echo "FAIL [$CASE]: the window did not appear"; exit 1; }
  focus_window "$WINDOW"
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
  # -quiet keeps xclip in the foreground, so the pid is the one serving.
  printf '%s' "$1" | xclip -quiet -i -selection clipboard >/dev/null 2>&1 &
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

# Alt+F4 closes the window; the process must end by itself with code 0.
close_with_alt_f4() {
  press alt+F4
  local code=0
  wait "$PROGRAM_PID" || code=$?
  PROGRAM_PID=""
  [ "$code" -eq 0 ] || fail "exit code $code after Alt+F4"
}
