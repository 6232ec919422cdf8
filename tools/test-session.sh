#!/usr/bin/env bash
# The private X server and Wine servers that the Windows tests run on, so
# that no test types into, reads the clipboard of or closes a window of the
# user's own desktop. CTest runs "up" and "down" as the setup and cleanup of
# the Windows tests; tools/test.sh holds one session for all its runs.
#   test-session.sh up TEST_HOME [--hold]     start it, or join a running one
#   test-session.sh down TEST_HOME [--hold]   stop it, unless a holder keeps it
# Each prefix of the test home (prefix, prefix-144, prefix-plain) gets its
# server.
set -euo pipefail
TOOLS=$(cd "$(dirname "$0")" && pwd)
ACTION=${1:-}
HOME_DIR=${2:-}
HOLD=${3:-}
[ -n "$HOME_DIR" ] || { sed -n '6,7p' "$0" >&2; exit 2; }
mkdir -p "$HOME_DIR"
HOME_DIR=$(cd "$HOME_DIR" && pwd)
export WINEPREFIX=""
. "$TOOLS/wine-env.sh"
. "$TOOLS/test-display.sh"

# The test prefixes as NAME:DPI:FONTS. DPI empty: Wine's default, 96.
# FONTS plain: without Wine's own fonts, as a plain Debian prefix is.
PREFIXES=(prefix:: prefix-144:144: prefix-plain::plain)

for_each_prefix_server() {
  local entry
  for entry in "${PREFIXES[@]}"; do
    WINEPREFIX="$HOME_DIR/${entry%%:*}" "$@"
  done
}

stop_prefix_server() {
  [ -d "$WINEPREFIX" ] && stop_wine_services
  return 0
}

start_prefix_server() {
  local name dpi fonts
  IFS=: read -r name dpi fonts <<< "$1"
  export WINEPREFIX="$HOME_DIR/$name"
  ensure_wine_prefix test "$dpi" "$fonts"
  start_wine_services
}

session_up() {
  local number entry
  if number=$(test_session_display "$HOME_DIR"); then
    export DISPLAY=":$number"
  else
    # Wine's clipboard lives with its server: a server of these prefixes
    # still running on another display is stopped first.
    for_each_prefix_server stop_prefix_server
    start_private_x
    echo "${DISPLAY#:} $PRIVATE_X_PID" > "$HOME_DIR/display"
  fi
  for entry in "${PREFIXES[@]}"; do
    start_prefix_server "$entry"
  done
  [ "$HOLD" != --hold ] || touch "$HOME_DIR/hold"
  echo "test session: Wine on the private display $DISPLAY"
}

session_down() {
  local number pid
  if [ "$HOLD" = --hold ]; then
    rm -f "$HOME_DIR/hold"
  elif [ -e "$HOME_DIR/hold" ]; then
    return 0
  fi
  for_each_prefix_server stop_prefix_server
  if read -r number pid 2>/dev/null < "$HOME_DIR/display"; then
    test_session_display "$HOME_DIR" >/dev/null && kill "$pid" 2>/dev/null || true
  fi
  rm -f "$HOME_DIR/display"
}

case $ACTION in
  up) session_up ;;
  down) session_down ;;
  *) sed -n '6,7p' "$0" >&2; exit 2 ;;
esac
