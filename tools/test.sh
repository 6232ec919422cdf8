#!/usr/bin/env bash
# Builds Ternwick and runs every test: the engine natively, then the engine,
# window, end-to-end and release-archive tests as Windows programs under
# Wine, once as built by mingw-w64 GCC and once as built by clang (the
# desktop install test, which checks the scripts, runs only once).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
JOBS=$(nproc)
WINDOWS_PRESETS=(win64 win64-clang)

echo "== native: configure, build, test"
cmake --preset native >/dev/null
cmake --build --preset native -j "$JOBS"
ctest --preset native -j "$JOBS"

for preset in "${WINDOWS_PRESETS[@]}"; do
  echo "== $preset: configure, build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$JOBS"
done

# Both cross builds run their tests in one prefix (see the toolchain files).
export WINEPREFIX="$PWD/build/wineprefix-test"
. tools/wine-env.sh
trap 'stop_wine_services; stop_private_x' EXIT
# The end-to-end tests type into the screen and own the clipboard: they get
# an X server of their own, never the user's desktop.
unset DISPLAY
start_private_x
ensure_wine_prefix
start_wine_services

for preset in "${WINDOWS_PRESETS[@]}"; do
  echo "== $preset: test under Wine on display $DISPLAY"
  ctest --preset "$preset" -j "$JOBS"
done
