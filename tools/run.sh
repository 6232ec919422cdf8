#!/usr/bin/env bash
# Builds Ternwick and starts it under Wine. On a display the calculator opens
# as an ordinary window that the window manager frames; without a display it
# runs in a private headless X server and a screenshot shows what started.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh run
. tools/cmake-build.sh
configure_and_build win64 ternwick

# Running has a prefix of its own: the tests' prefix leaves windows
# unmanaged, which on a desktop would give them no frame and no caption.
export WINEPREFIX="$PWD/build/wineprefix-run"
. tools/wine-env.sh
PROGRAM=build/win64/app/ternwick.exe

if [ -n "${DISPLAY:-}" ]; then
  ensure_wine_prefix managed
  follow_desktop_dpi
  exec wine "$PROGRAM"
fi

# Waits until the calculator's window is mapped and two screenshots a
# moment apart agree: then it is drawn.
take_screenshot_when_drawn() {
  local shot=$1 previous
  previous=$(mktemp --suffix=.png)
  timeout 60 xdotool search --sync --onlyvisible --name '^Ternwick \(v' >/dev/null || true
  for _ in $(seq 50); do
    import -window root -crop 760x240+0+0 "$shot"
    if [ "$(identify -format '%k' "$shot")" -gt 4 ] && cmp -s "$shot" "$previous"; then
      break
    fi
    cp "$shot" "$previous"
    sleep 0.2
  done
  rm -f "$previous"
}

# With no window manager to draw the frame, Wine's own desktop window holds
# the calculator, so the screenshot shows its caption and menu.
trap 'stop_wine_services; stop_private_x' EXIT
start_private_x
ensure_wine_prefix managed
wine explorer /desktop=Ternwick,760x240 "$PROGRAM" &
SHOT=build/win64/ternwick-screenshot.png
take_screenshot_when_drawn "$SHOT"
echo "No display here: Ternwick runs in a private X server ($DISPLAY); its window is not visible."
echo "Screenshot of the started calculator: $SHOT"
if [ -t 0 ]; then
  read -r -p "Press Enter to close Ternwick. "
fi
