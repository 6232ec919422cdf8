#!/usr/bin/env bash
# The private X server and Wine servers that the Windows tests run on, so
# that no test types into, reads the clipboard of or closes a window of the
# user's own desktop. CTest runs "up" and "down" as the setup and cleanup of
# the Windows tests; tools/test.sh holds one session for all its runs.
#   test-session.sh up TEST_HOME     start it, or join a running one
#   test-session.sh down TEST_HOME   leave it; the last to leave stops it
# The run that calls (the ctest, or test.sh) is a holder of the session
# from up to down. Holders are recorded by process id, so two runs at once
# never stop each other's servers, and a run that crashed no longer counts
# once its process is gone; a lock keeps their ups and downs apart. Each
# prefix of the test home (prefix, prefix-144, prefix-192, prefix-plain)
# gets its server.
set -euo pipefail
TOOLS=$(cd "$(dirname "$0")" && pwd)
ACTION=${1:-}
HOME_DIR=${2:-}
[ -n "$HOME_DIR" ] || { sed -n '6,7p' "$0" >&2; exit 2; }
mkdir -p "$HOME_DIR"
HOME_DIR=$(cd "$HOME_DIR" && pwd)
export WINEPREFIX=""
. "$TOOLS/wine-env.sh"
. "$TOOLS/test-display.sh"

# The test prefixes as NAME:DPI:FONTS. DPI empty: Wine's default, 96.
# FONTS plain: without Wine's own fonts, as a plain Debian prefix is. The
# plain one comes first: the others are copies of it, with their scale and
# fonts.
PREFIXES=(prefix-plain::plain prefix:: prefix-144:144: prefix-192:192:)

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

# The holders whose process still runs, one id a line.
living_holders() {
  local pid
  [ -f "$HOME_DIR/holders" ] || return 0
  while read -r pid; do
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && echo "$pid"
  done < "$HOME_DIR/holders"
  return 0
}

# Writes the holders anew: the living ones, less or plus the caller.
record_holders() {
  local change=$1
  { living_holders | grep -vx "$PPID" || true
    [ "$change" = add ] && echo "$PPID"
  } > "$HOME_DIR/holders.new"
  mv "$HOME_DIR/holders.new" "$HOME_DIR/holders"
}

make_prefix() {
  local name dpi fonts
  IFS=: read -r name dpi fonts <<< "$1"
  WINEPREFIX="$HOME_DIR/$name" WINE_PREFIX_TEMPLATE="$HOME_DIR/prefix-plain" \
    ensure_wine_prefix test "$dpi" "$fonts"
}

start_prefix_server() {
  export WINEPREFIX="$HOME_DIR/${1%%:*}"
  start_wine_services
}

# The servers it starts outlive it: they must not keep the lock (fd 9).
session_up() {
  local number entry
  if number=$(test_session_display "$HOME_DIR"); then
    export DISPLAY=":$number"
  else
    # Wine's clipboard lives with its server: a server of these prefixes
    # still running on another display is stopped first.
    for_each_prefix_server stop_prefix_server
    start_private_x 9>&-
    echo "${DISPLAY#:} $PRIVATE_X_PID" > "$HOME_DIR/display"
  fi
  # Every prefix is made before any server starts: a copy is taken of a
  # prefix whose server has written its registry and stopped. Making them
  # yields the processors to a build running beside; the servers that
  # serve the tests later do not.
  for entry in "${PREFIXES[@]}"; do
    (renice -n 19 "$BASHPID" >/dev/null; make_prefix "$entry") 9>&-
  done
  for entry in "${PREFIXES[@]}"; do
    start_prefix_server "$entry" 9>&-
  done
  record_holders add
  echo "test session: Wine on the private display $DISPLAY"
}

session_down() {
  local number pid
  record_holders remove
  [ -s "$HOME_DIR/holders" ] && return 0
  for_each_prefix_server stop_prefix_server
  if read -r number pid 2>/dev/null < "$HOME_DIR/display"; then
    test_session_display "$HOME_DIR" >/dev/null && kill "$pid" 2>/dev/null || true
  fi
  rm -f "$HOME_DIR/display"
}

exec 9>"$HOME_DIR/session.lock"
flock 9
case $ACTION in
  up) session_up ;;
  down) session_down ;;
  *) sed -n '6,7p' "$0" >&2; exit 2 ;;
esac
