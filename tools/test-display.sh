# shellcheck shell=bash
# Sourced by every script that runs test programs under Wine or drives X:
# the private display of the test session, never the user's own desktop.
# The test home holds the test prefixes and the record of the session's
# display ("NUMBER PID" of its Xvfb), written by tools/test-session.sh.

# Prints the session's display number while its Xvfb runs.
test_session_display() {
  local home=$1 number pid
  read -r number pid 2>/dev/null < "$home/display" || return 1
  [ "$(ps -p "$pid" -o comm= 2>/dev/null)" = Xvfb ] || return 1
  echo "$number"
}

# Points DISPLAY at the session's private X server, or refuses to go on.
use_test_display() {
  local number
  if ! number=$(test_session_display "$1"); then
    echo "ternwick tests: no private test display; run the tests with 'ctest --preset win64' or 'bash tools/test.sh'" >&2
    exit 1
  fi
  export DISPLAY=":$number"
}
