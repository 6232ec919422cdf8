#!/usr/bin/env bash
# The test scripts keep off every display but the test session's own, and
# ending a private X server never fails a run that passed.
#   scripts_test.sh SOURCE_DIR
set -euo pipefail
SOURCE_DIR=$1
FAILURES=0
fail() {
  echo "FAIL: $*"
  FAILURES=$((FAILURES + 1))
}

# A script that drives X must refuse any display the test session did not
# start: none recorded, or one whose Xvfb is gone, even with DISPLAY set.
expect_refusal() {
  local what=$1 home=$2 output
  if output=$(DISPLAY=:0 bash "$SOURCE_DIR/tests/e2e/e2e.sh" /nonexistent.exe "$home/prefix" \
      "$home" chain 2>&1); then
    fail "e2e.sh ran with $what"
  fi
  [[ $output == *"no private test display"* ]] || fail "e2e.sh with $what said: $output"
}

HOME_DIR=$(mktemp -d)
trap 'rm -rf "$HOME_DIR"' EXIT
expect_refusal "no session" "$HOME_DIR"
sleep 60 &
echo "99 $!" > "$HOME_DIR/display"
expect_refusal "a display record of another program" "$HOME_DIR"
kill $! 2>/dev/null || true

# The exit trap of a script whose Xvfb died first must not turn its exit
# code into a failure.
code=0
bash -c '
  set -euo pipefail
  . "$1/tools/wine-env.sh"
  start_private_x
  trap stop_private_x EXIT
  kill "$PRIVATE_X_PID"
  wait "$PRIVATE_X_PID" || true
' _ "$SOURCE_DIR" || code=$?
[ "$code" -eq 0 ] || fail "a run whose Xvfb had died ended with exit code $code"

[ "$FAILURES" -eq 0 ] || exit 1
echo "ok [scripts]"
