#!/usr/bin/env bash
# Builds Ternwick and starts it under Wine. On a machine with a display the
# window opens there; without one it runs in a private headless X server and
# a screenshot shows what started.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target ternwick -j "$(nproc)"

export WINEPREFIX="$PWD/build/win64/wineprefix"
. tools/wine-env.sh
PROGRAM=build/win64/app/ternwick.exe
# Wine's own desktop window draws the frame and caption that a window
# manager would otherwise draw.
DESKTOP="explorer /desktop=Ternwick,760x240"

if [ -n "${DISPLAY:-}" ]; then
  ensure_wine_prefix
  exec wine $DESKTOP "$PROGRAM"
fi

trap 'stop_wine_services; stop_private_x' EXIT
start_private_x
ensure_wine_prefix
wine $DESKTOP "$PROGRAM" &
sleep 4
SHOT=build/win64/ternwick-screenshot.png
import -window root -crop 760x240+0+0 "$SHOT"
echo "No display here: Ternwick runs in a private X server ($DISPLAY); its window is not visible."
echo "Screenshot of the started calculator: $SHOT"
if [ -t 0 ]; then
  read -r -p "Press Enter to close Ternwick. "
fi
