# shellcheck shell=bash
# Sourced by the scripts that run Windows programs: the Wine settings, the
# making of a prefix and a private headless X server. Callers set
# WINEPREFIX before sourcing.

export WINEDEBUG=-all
# Nothing may ask for Mono or Gecko while a prefix is made, and Wine adds
# no menu entries of its own to the desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Wine's data folder (fonts, wine.inf) lies beside its programs; Debian's
# packages put it in /usr/share/wine. WINE_DATA_DIR overrides the search.
find_wine_data_dir() {
  local wine_bin candidate
  wine_bin=$(command -v wine 2>/dev/null || true)
  for candidate in "${WINE_DATA_DIR:-}" \
      "${wine_bin:+$(dirname "$(readlink -f "$wine_bin")")/../share/wine}" \
      /usr/share/wine /usr/local/share/wine /opt/wine-stable/share/wine; do
    [ -n "$candidate" ] && [ -d "$candidate/fonts" ] && { echo "$candidate"; return 0; }
  done
  return 1
}

# Debian's Wine does not find its own fonts; copied into the prefix, the
# stock fonts are those of Windows (the fixed font is Courier, 8 pixels a
# character). The tests pin that look, so for them a missing font folder
# is an error; for daily use the program runs with whatever Wine finds.
copy_wine_fonts() {
  local kind=$1 data_dir
  if data_dir=$(find_wine_data_dir); then
    cp "$data_dir"/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    return 0
  fi
  if [ "$kind" = test ]; then
    echo "wine: Wine's font folder was not found; the tests need its 8-pixel Courier" \
      "(set WINE_DATA_DIR to the folder that holds fonts/)" >&2
    return 1
  fi
  echo "wine: warning: Wine's font folder was not found; Ternwick uses the fonts Wine finds" >&2
}

# Creates the prefix on first use, under a lock so that two first uses at
# once neither clash nor stop each other's programs. A crashing program
# must not wait in Wine's crash dialog, so the dialog is switched off.
#   ensure_wine_prefix test [LOGPIXELS] [plain]   for the tests: windows
#                                         unmanaged; plain leaves Wine's own
#                                         fonts out, as a plain prefix is
#   ensure_wine_prefix managed            for daily use: the window manager
#                                         frames them
# With WINE_PREFIX_TEMPLATE naming a ready prefix of the same kind made
# without fonts or scale, the new prefix is a copy of it (a second or so,
# where wineboot takes ten) before its scale and fonts are set.
# Without a window manager Wine waits two seconds for one at every window it
# hides or destroys, unless its windows are left unmanaged; on a desktop the
# window manager draws the frame and caption of managed windows.
ensure_wine_prefix() {
  local kind=$1 log_pixels=${2:-} fonts=${3:-} managed=N
  [ "$kind" = managed ] && managed=Y
  [ -f "$WINEPREFIX/.ternwick-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    [ -f "$WINEPREFIX/.ternwick-ready" ] && exit 0
    echo "wine: creating the prefix $WINEPREFIX (takes a few seconds, once)"
    if [ -f "${WINE_PREFIX_TEMPLATE:-/nonexistent}/.ternwick-ready" ]; then
      cp -a "$WINE_PREFIX_TEMPLATE/." "$WINEPREFIX/"
      rm -f "$WINEPREFIX/.ternwick-ready"
    else
      wineboot --init >/dev/null 2>&1 </dev/null
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f \
        >/dev/null 2>&1
    fi
    [ -z "$log_pixels" ] || set_prefix_log_pixels "$log_pixels"
    [ "$fonts" = plain ] || copy_wine_fonts "$kind"
    # Ending the server writes the registry to disk; while the lock is held
    # no other program runs in a prefix that is not ready yet. A copy that
    # needed no Wine program has no server to end.
    wineserver -k 2>/dev/null || true
    touch "$WINEPREFIX/.ternwick-ready"
  ) 9>"$WINEPREFIX/.ternwick-lock"
}

# The screen's DPI as Wine reports it to every window.
set_prefix_log_pixels() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >/dev/null 2>&1
}

# The prefix's LogPixels, in decimal; empty where the prefix has none.
prefix_log_pixels() {
  local stored
  stored=$(awk '/^\[/ { desktop = ($0 ~ /^\[Control Panel\\\\Desktop\]/) }
                desktop && sub(/^"LogPixels"=dword:/, "") { print }' \
             "$WINEPREFIX/user.reg" 2>/dev/null || true)
  [ -z "$stored" ] || echo "$((16#$stored))"
}

# Gives the prefix the desktop's scale, Xft.dpi from xrdb, and records the
# DPI it wrote. When the desktop no longer sets one, a DPI this function
# wrote goes back to Wine's 96; one the user set by hand stays. Nothing
# here stops the program from starting: a missing or failing xrdb is
# reported and the prefix keeps its scale.
follow_desktop_dpi() {
  local query dpi="" stored record="$WINEPREFIX/.ternwick-dpi" written=""
  if ! command -v xrdb >/dev/null; then
    echo "ternwick: xrdb is missing, so the desktop's scale is not followed" >&2
    return 0
  fi
  if ! query=$(xrdb -query 2>/dev/null); then
    echo "ternwick: xrdb -query failed, so the desktop's scale is not followed" >&2
    return 0
  fi
  dpi=$(awk '$1 == "Xft.dpi:" { printf "%d", $2 }' <<< "$query")
  stored=$(prefix_log_pixels)
  [ -f "$record" ] && written=$(cat "$record")
  if [ -n "$dpi" ] && [ "$dpi" -gt 0 ]; then
    [ "$dpi" = "$stored" ] || set_prefix_log_pixels "$dpi"
    echo "$dpi" > "$record"
  elif [ -n "$written" ] && [ "$written" = "$stored" ]; then
    set_prefix_log_pixels 96
    rm -f "$record"
  fi
  return 0
}

# Starts Xvfb on a display number it picks itself, so two runs never race
# for one; exports DISPLAY. The screen is large enough for the window at
# 192 DPI. stop_private_x ends it again.
PRIVATE_X_PID=""
start_private_x() {
  local number_file number=""
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp \
    3>"$number_file" </dev/null >/dev/null 2>&1 &
  PRIVATE_X_PID=$!
  for _ in $(seq 100); do
    # The number is complete once its line ends.
    if [ "$(tail -c 1 "$number_file" | od -An -c | tr -d ' ')" = '\n' ]; then
      number=$(head -n 1 "$number_file")
      break
    fi
    kill -0 "$PRIVATE_X_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  if [ -z "$number" ]; then
    echo "wine: Xvfb did not start" >&2
    stop_private_x
    return 1
  fi
  export DISPLAY=":$number"
}

stop_private_x() {
  if [ -n "$PRIVATE_X_PID" ]; then
    kill "$PRIVATE_X_PID" 2>/dev/null || true
  fi
  PRIVATE_X_PID=""
}

# Wine's background services inherit the output of the first Wine process;
# starting them once, detached from every output, keeps each program from
# waiting for them and lets a caller's pipe close.
start_wine_services() {
  # A server already running for the prefix answers with an error: it stays.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine wineboot </dev/null >/dev/null 2>&1
}

stop_wine_services() {
  wineserver -k 2>/dev/null || true
}
