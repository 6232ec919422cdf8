#!/usr/bin/env bash
# End-to-end tests of the real ternwick.exe: started under Wine on the test
# session's X server, driven by X keyboard input, read back through the X
# clipboard, as a user would use it.
#   e2e.sh PROGRAM.exe WINEPREFIX OUTPUT_DIR CASE
# The prefix is one of the test home's, beside its display record.
set -euo pipefail
PROGRAM=$1
export WINEPREFIX=$2
OUTPUT_DIR=$3
CASE=$4
TOOLS=$(dirname "$0")/../../tools
. "$TOOLS/wine-env.sh"
. "$TOOLS/test-display.sh"
. "$(dirname "$0")/x_driver.sh"
use_test_display "$(dirname "$WINEPREFIX")"
trap stop_program EXIT

case_chain() {
  type_keys "2+3*4="
  expect_copy "14"
  type_keys "5+3="
  expect_copy "8"
  import -window "$WINDOW" "$OUTPUT_DIR/e2e-window-$(basename "$WINEPREFIX").png"
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

# The lowest quarter of the window above its bottom edge lies in the
# binary row's band at any scale: that band reaches down to the status bar.
case_click_bin() {
  local size
  size=$(window_size)
  xdotool mousemove --window "$WINDOW" $(( ${size%x*} / 2 )) $(( ${size#*x} * 3 / 4 )) click 1
  type_keys "101"
  press F5
  expect_copy "5"
}

# A second program reads the rows through Active Accessibility, sees the
# active row follow Tab, and hears each row change when a digit is typed.
case_screen_reader() {
  local watch=$OUTPUT_DIR/a11y-watch.txt
  type_keys "1F"
  # The accessibility runtime is loaded when a reader first asks, not
  # before (Wine's trace of the DLLs the program loads).
  grep -qi 'oleacc' "$PROGRAM_LOG" && fail "oleacc was loaded before any reader asked"
  expect_reader_rows "Hex 1F|selected,focused" "Dec 31|" "Bin 1-1111|"
  wait_for_line 'oleacc' "$PROGRAM_LOG" 30 || fail "oleacc was not loaded when a reader asked"
  press Tab
  expect_reader_rows "Hex 1F|" "Dec 31|selected,focused" "Bin 1-1111|"
  wine "$A11Y_READER" watch 3000 > "$watch" &
  local reader=$!
  wait_for_line ready "$watch" 100 || { fail "timed out: the reader never said ready"; return; }
  type_keys "0"
  wait "$reader" || fail "the reader's watch failed"
  local events
  events=$(grep '^event' "$watch" | tr -d '\r' | tr '\n' ';')
  [ "$events" = "event 1 Hex 136;event 2 Dec 310;event 3 Bin 1-0011-0110;" ] \
    || fail "the reader heard: $events"
}

# Waits up to TENTHS tenths of a second for a line of the file to match.
#   wait_for_line PATTERN FILE TENTHS
wait_for_line() {
  for _ in $(seq "$3"); do
    grep -q "$1" "$2" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# A DLL left beside the program under the accessibility runtime's name is
# never loaded, and the rows are still read. The search of every later
# load is restricted to the system directory at start, not only the loads
# the program makes itself (Wine's relay trace of the call).
case_planted_dll() {
  expect_reader_rows "Hex 0|selected,focused" "Dec 0|" "Bin 0|"
  [ ! -e "$(dirname "$PROGRAM")/planted-dll-loaded" ] || fail "the planted oleacc.dll was loaded"
  grep -A1 'Call KERNEL32.SetDefaultDllDirectories(00000800)' "$PROGRAM_LOG" | grep -q 'retval=00000001' \
    || fail "the DLL search was not restricted to the system directory at start"
}

# Tab leads from OK to each link; Enter opens the web link and Space the
# mail link through Wine's own opener, whose browser and mailer are
# stand-ins that record what they were given. The opener does not wait
# for them, so the record is polled.
case_links() {
  local record=$OUTPUT_DIR/e2e-links-opened.txt opener=$OUTPUT_DIR/e2e-links-opener.sh
  rm -f "$record"
  printf '#!/bin/sh\necho "$*" >> "%s"\n' "$record" > "$opener"
  chmod +x "$opener"
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$opener" /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v Mailers /d "$opener" /f >/dev/null 2>&1
  press alt+slash
  wait_for_window '^About$'
  press Tab Return Tab space
  wait_for_line https "$record" 100 && wait_for_line mailto "$record" 100
  local opened
  opened=$(sort "$record" 2>/dev/null | tr '\n' ';')
  [ "$opened" = "https://ternwick.example/;mailto:ternwick@example.org;" ] \
    || fail "the links opened '$opened'"
  xdotool search --name '^About$' >/dev/null || fail "the About box closed"
  press Escape
  wait_for_no_window '^About$'
}

expect_reader_rows() {
  local expected actual
  expected=$(printf '%s;' "$@")
  actual=$(wine "$A11Y_READER" rows | tr -d '\r' | tr '\n' ';')
  [ "$actual" = "$expected" ] || fail "the reader read '$actual', expected '$expected'"
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

# F2 works at 32 bits, F4 keeps the low 8 of them and F12 goes back to 64
# bits with the value the 8 left. Parentheses group through the real
# keyboard, and a reader hears the flags of the last operation in the
# status bar's name.
case_width_and_parentheses() {
  press F2
  type_keys "FFFFFFFF+1="
  expect_copy "0"
  type_keys "FFFFFFFF"
  press F6
  expect_copy "-1"
  press F4
  expect_copy "-1"
  press F5
  expect_copy "FF"
  press F12
  press F6
  expect_copy "255"
  press Escape
  type_keys "5*(3+4)="
  expect_copy "35"
  type_keys "2*(3+(4*5))="
  expect_copy "46"
  type_keys "0-1="
  local heard
  heard=$(wine "$A11Y_READER" status | tr -d '\r')
  [ "$heard" = "Bus=FF | Dev=1F | Func=7 | Reg=FF, Data Width = 64, carry, parity, sign" ] \
    || fail "the reader heard the status bar say '$heard'"
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

# The planted case runs a copy of the program from a folder that holds the
# stand-in DLL, with Windows' search order for the program alone.
OVERRIDES=$WINEDLLOVERRIDES
TRACE=+loaddll
if [ "$CASE" = planted-dll ]; then
  wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude \
    /d 'kernel32.SetDefaultDllDirectories' /f >/dev/null 2>&1
  TRACE=+loaddll,+relay
  PLANTED_DIR="$OUTPUT_DIR/planted"
  rm -rf "$PLANTED_DIR"
  mkdir -p "$PLANTED_DIR"
  cp "$PROGRAM" "$PLANTED_DLL" "$PLANTED_DIR/"
  PROGRAM="$PLANTED_DIR/$(basename "$PROGRAM")"
  OVERRIDES="$OVERRIDES;oleacc=n,b"
fi
# Every case keeps Wine's trace of the DLLs the program loads; the planted
# case also of the calls that restrict their search.
PROGRAM_LOG="$OUTPUT_DIR/e2e-$CASE.log"
WINEDLLOVERRIDES=$OVERRIDES WINEDEBUG=$TRACE start_program 20 wine "$PROGRAM" 2>"$PROGRAM_LOG"
"case_${CASE//-/_}"
close_with_alt_f4
[ "$FAILURES" -eq 0 ] || exit 1
echo "ok [$CASE]"
