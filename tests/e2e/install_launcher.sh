#!/usr/bin/env bash
# Installs Ternwick into an empty home folder, checks the menu entry and the
# icons, starts the calculator from the installed launcher and closes it,
# then uninstalls and expects nothing to be left.
#   install_launcher.sh BUILD_DIR TEST_HOME
set -euo pipefail
BUILD_DIR=$1
CASE=install
SOURCE_DIR=$(cd "$(dirname "$0")/../.." && pwd)
. "$SOURCE_DIR/tools/test-display.sh"
. "$(dirname "$0")/x_driver.sh"
use_test_display "$2"

export HOME
HOME=$(mktemp -d)
unset XDG_DATA_HOME WINEPREFIX
DATA_HOME=$HOME/.local/share
LAUNCHER_PREFIX=$DATA_HOME/ternwick/wineprefix

# The launcher's Wine server must be gone before its prefix is deleted,
# whether the test passed or not.
clean_up() {
  stop_program
  if [ -d "$LAUNCHER_PREFIX" ]; then
    WINEPREFIX=$LAUNCHER_PREFIX wineserver -k 2>/dev/null || true
    WINEPREFIX=$LAUNCHER_PREFIX wineserver -w 2>/dev/null || true
  fi
  rm -rf "$HOME"
}
trap clean_up EXIT

TERNWICK_BUILD_DIR=$BUILD_DIR bash "$SOURCE_DIR/tools/install.sh"
TERNWICK_BUILD_DIR=$BUILD_DIR bash "$SOURCE_DIR/tools/install.sh" >/dev/null
desktop-file-validate "$DATA_HOME/applications/ternwick.desktop" \
  || fail "desktop-file-validate refused the menu entry"
for size in 16 32 48; do
  geometry=$(identify -format '%wx%h' "$DATA_HOME/icons/hicolor/${size}x${size}/apps/ternwick.png")
  [ "$geometry" = "${size}x${size}" ] || fail "the ${size}-pixel icon is $geometry"
done

# The first start makes the launcher's Wine prefix.
start_program 90 "$HOME/.local/bin/ternwick"
close_with_alt_f4

bash "$SOURCE_DIR/tools/install.sh" --uninstall >/dev/null
left=$(cd "$HOME" && find . -type f -not -path './.local/share/ternwick/wineprefix/*')
[ -z "$left" ] || fail "uninstalling left $left"
[ -d "$LAUNCHER_PREFIX" ] || fail "uninstalling removed the Wine prefix"
bash "$SOURCE_DIR/tools/install.sh" --uninstall --remove-prefix >/dev/null
left=$(cd "$HOME" && find . -type f)
[ -z "$left" ] || fail "uninstalling with --remove-prefix left $left"

[ "$FAILURES" -eq 0 ] || exit 1
echo "ok [$CASE]"
