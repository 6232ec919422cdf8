#!/usr/bin/env bash
# Installs Ternwick for the current user, for daily use under Wine:
#   bash tools/install.sh                     build, then install or update
#   bash tools/install.sh --uninstall         remove what was installed
#   bash tools/install.sh --uninstall --remove-prefix
#                                             ... and Ternwick's Wine prefix
# Run it as yourself, not as root: it needs root only to install missing
# Debian packages, and says so. With TERNWICK_BUILD_DIR set, it installs the
# program of that build tree instead of building (the tests use this).
#
# What it installs, under ${XDG_DATA_HOME:-~/.local/share} and ~/.local/bin:
#   bin/ternwick                              the launcher on the PATH
#   ternwick/ternwick.exe, ternwick/wine-env.sh
#   applications/ternwick.desktop             the application menu entry
#   icons/hicolor/{16x16,32x32,48x48}/apps/ternwick.png
# On first start the launcher makes a Wine prefix in ternwick/wineprefix.
set -euo pipefail
cd "$(dirname "$0")/.."

DATA_HOME=${XDG_DATA_HOME:-$HOME/.local/share}
BIN_DIR=$HOME/.local/bin
APP_DIR=$DATA_HOME/ternwick
LAUNCHER=$BIN_DIR/ternwick
DESKTOP_FILE=$DATA_HOME/applications/ternwick.desktop
ICON_SIZES=(16 32 48)

icon_path() { echo "$DATA_HOME/icons/hicolor/$1x$1/apps/ternwick.png"; }

# The icons are the program's own pixel maps; 48 pixels is the small map
# drawn three times as large.
write_icons() {
  local size map scale
  for size in "${ICON_SIZES[@]}"; do
    case $size in
      16) map=calc16 scale=1 ;;
      32) map=calc32 scale=1 ;;
      48) map=calc16 scale=3 ;;
    esac
    mkdir -p "$(dirname "$(icon_path "$size")")"
    python3 tools/make_images.py png "$(icon_path "$size")" "$scale" "resources/art/$map.txt"
  done
}

# Desktop entry strings quote the command and escape what the shell would
# read inside the quotes.
desktop_quote() {
  local text=${1//\\/\\\\}
  text=${text//\"/\\\"}
  text=${text//\`/\\\`}
  text=${text//\$/\\\$}
  printf '"%s"' "$text"
}

write_desktop_entry() {
  mkdir -p "$(dirname "$DESKTOP_FILE")"
  cat > "$DESKTOP_FILE" <<ENTRY
[Desktop Entry]
Type=Application
Name=Ternwick
GenericName=Programmer's Calculator
Comment=Hexadecimal, decimal and binary calculator for registers and bit fields
Exec=$(desktop_quote "$LAUNCHER")
Icon=ternwick
Terminal=false
Categories=Utility;Calculator;Development;
Keywords=hex;binary;register;bit;PCI;
StartupWMClass=ternwick.exe
ENTRY
}

# The launcher starts the installed copy with Ternwick's own prefix, whose
# windows the desktop's window manager frames like any other, at the
# desktop's scale.
write_launcher() {
  mkdir -p "$BIN_DIR"
  cat > "$LAUNCHER" <<LAUNCHER
#!/usr/bin/env bash
# Starts Ternwick under Wine; installed by Ternwick's tools/install.sh.
set -euo pipefail
APP_DIR=$(printf '%q' "$APP_DIR")
export WINEPREFIX="\$APP_DIR/wineprefix"
. "\$APP_DIR/wine-env.sh"
ensure_wine_prefix managed
follow_desktop_dpi
exec wine "\$APP_DIR/ternwick.exe"
LAUNCHER
  chmod 755 "$LAUNCHER"
}

install_ternwick() {
  local build_dir=${TERNWICK_BUILD_DIR:-}
  if [ -z "$build_dir" ]; then
    bash tools/install-deps.sh run
    . tools/cmake-build.sh
    configure_and_build win64 ternwick
    build_dir=build/win64
  fi
  mkdir -p "$APP_DIR"
  # A new file, not one rewritten in place: a running copy keeps its own.
  install -m 644 "$build_dir/app/ternwick.exe" tools/wine-env.sh "$APP_DIR/"
  write_launcher
  write_desktop_entry
  write_icons
  echo "Installed Ternwick: $LAUNCHER and the menu entry $DESKTOP_FILE"
  case ":$PATH:" in
    *":$BIN_DIR:"*) ;;
    *) echo "Note: $BIN_DIR is not on your PATH; the menu entry works all the same." ;;
  esac
}

uninstall_ternwick() {
  local size
  rm -f "$LAUNCHER" "$DESKTOP_FILE" "$APP_DIR/ternwick.exe" "$APP_DIR/wine-env.sh"
  for size in "${ICON_SIZES[@]}"; do
    rm -f "$(icon_path "$size")"
  done
  if [ "${1:-}" = --remove-prefix ] && [ -d "$APP_DIR/wineprefix" ]; then
    WINEPREFIX="$APP_DIR/wineprefix" wineserver -k 2>/dev/null || true
    rm -rf "$APP_DIR/wineprefix"
  fi
  rmdir "$APP_DIR" 2>/dev/null || true
  echo "Removed Ternwick's launcher, menu entry, icons and program."
  [ -d "$APP_DIR/wineprefix" ] \
    && echo "Its Wine prefix stays in $APP_DIR/wineprefix (--uninstall --remove-prefix removes it)."
  return 0
}

usage() { sed -n '2,6p' "$0" >&2; exit 2; }

case "${1:-}:${2:-}" in
  :) install_ternwick ;;
  --uninstall: | --uninstall:--remove-prefix) uninstall_ternwick "${2:-}" ;;
  *) usage ;;
esac
