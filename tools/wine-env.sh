# Sourced by the scripts that run Windows programs: the Wine settings, the
# making of a prefix, and a private headless X server when there is no
# display. Callers set WINEPREFIX before sourcing.

export WINEDEBUG=-all
# Nothing may ask for Mono or Gecko while a prefix is made, and Wine adds
# no menu entries of its own to the desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Creates the prefix on first use. A crashing program must not wait in
# Wine's crash dialog, so the dialog is switched off. Debian's Wine does not
# find its own fonts; copied into the prefix, the stock fonts are those of
# Windows (the fixed font is Courier, 8 pixels a character).
#   ensure_wine_prefix            for the tests: windows left unmanaged
#   ensure_wine_prefix managed    for daily use: the window manager frames them
# Without a window manager Wine waits two seconds for one at every window it
# hides or destroys, unless its windows are left unmanaged; on a desktop the
# window manager draws the frame and caption of managed windows.
ensure_wine_prefix() {
  local managed=N
  [ "${1:-}" = managed ] && managed=Y
  [ -f "$WINEPREFIX/.ternwick-ready" ] && return 0
  echo "wine: creating the prefix $WINEPREFIX (takes a few seconds, once)"
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f \
    >/dev/null 2>&1
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  wineserver -k
  touch "$WINEPREFIX/.ternwick-ready"
}

# Starts Xvfb on a free display number when DISPLAY is unset; stop_private_x
# ends it again.
PRIVATE_X_PID=""
start_private_x() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    PRIVATE_X_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
    echo "wine: Xvfb did not start on :$n" >&2
    return 1
  done
  echo "wine: no free X display number" >&2
  return 1
}

stop_private_x() {
  [ -n "$PRIVATE_X_PID" ] && kill "$PRIVATE_X_PID" 2>/dev/null
  PRIVATE_X_PID=""
}

# Wine's background services inherit the stderr of the first Wine process;
# starting them once here keeps every test from waiting for them.
start_wine_services() {
  wineserver -p
  wine wineboot >/dev/null 2>&1 </dev/null
}

stop_wine_services() {
  wineserver -k 2>/dev/null || true
}
