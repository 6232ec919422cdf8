#!/usr/bin/env bash
# Builds Ternwick and runs every test: the engine natively, then the engine,
# the window and the end-to-end tests as Windows programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
JOBS=$(nproc)

echo "== native: configure, build, test"
cmake --preset native >/dev/null
cmake --build --preset native -j "$JOBS"
ctest --preset native -j "$JOBS"

echo "== win64: configure, build"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$JOBS"

export WINEPREFIX="$PWD/build/win64/wineprefix"
. tools/wine-env.sh
trap 'stop_wine_services; stop_private_x' EXIT
# The end-to-end tests type into the screen and own the clipboard: they get
# an X server of their own, never the user's desktop.
unset DISPLAY
start_private_x
ensure_wine_prefix
start_wine_services

echo "== win64: test under Wine on display $DISPLAY"
ctest --preset win64 -j "$JOBS"
