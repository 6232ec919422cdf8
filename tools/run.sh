#!/usr/bin/env bash
# Builds Ternwick and starts it under Wine. On a display the calculator opens
# as an ordinary window that the window manager frames; without a display it
# runs in a private headless X server and a screenshot shows what started.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target ternwick -j "$(nproc)"

# Running has a prefix of its own: the tests' prefix leaves windows
# unmanaged, which on a desktop would give them no frame and no caption.
export WINEPREFIX="$PWD/build/wineprefix-run"
. tools/wine-env.sh
PROGRAM=build/win64/app/ternwick.exe

if [ -n "${DISPLAY:-}" ]; then
  ensure_wine_prefix managed
  exec wine "$PROGRAM"
fi

# With no window manager to draw the frame, Wine's own desktop window holds
# the calculator, so the screenshot shows its caption and menu.
trap 'stop_wine_services; stop_private_x' EXIT
start_private_x
ensure_wine_prefix managed
wine explorer /desktop=Ternwick,760x240 "$PROGRAM" &
sleep 4
SHOT=build/win64/ternwick-screenshot.png
import -window root -crop 760x240+0+0 "$SHOT"
echo "No display here: Ternwick runs in a private X server ($DISPLAY); its window is not visible."
echo "Screenshot of the started calculator: $SHOT"
if [ -t 0 ]; then
  read -r -p "Press Enter to close Ternwick. "
fi
