#!/usr/bin/env bash
# Installs Ternwick into an empty home folder, checks the menu entry and the
# icons, starts the calculator from the installed launcher and closes it,
# then uninstalls and expects nothing to be left.
#   install_launcher.sh BUILD_DIR
set -euo pipefail
BUILD_DIR=$1
CASE=install
SOURCE_DIR=$(cd "$(dirname "$0")/../.." && pwd)
. "$(dirname "$0")/x_driver.sh"

export HOME
HOME=$(mktemp -d)
unset XDG_DATA_HOME WINEPREFIX
trap 'stop_program; rm -rf "$HOME"' EXIT
DATA_HOME=$HOME/.local/share

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
[ -d "$DATA_HOME/ternwick/wineprefix" ] || fail "uninstalling removed the Wine prefix"
bash "$SOURCE_DIR/tools/install.sh" --uninstall --remove-prefix >/dev/null
left=$(cd "$HOME" && find . -type f)
[ -z "$left" ] || fail "uninstalling with --remove-prefix left $left"

[ "$FAILURES" -eq 0 ] || exit 1
echo "ok [$CASE]"
