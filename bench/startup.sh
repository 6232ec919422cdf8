#!/usr/bin/env bash
# Times the calculator's start against a bare window with the same controls:
#   bash bench/startup.sh [ROUNDS]     (15 rounds unless told)
# Builds the calculator with both compilers and the comparison window, then
# starts the three in turn, round after round, under Wine in a private
# prefix on a private headless X server, so the user's desktop is left
# alone. Each start is timed until the program's window is visible and the
# program waits for input; the medians, the minima and each median's ratio
# to the bare window's are printed. Not part of the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
ROUNDS=${1:-15}

bash tools/install-deps.sh test
. tools/cmake-build.sh
configure_and_build win64 ternwick bare_window startup_timer
configure_and_build win64-clang ternwick

export WINEPREFIX="$PWD/build/wine-bench/prefix"
. tools/wine-env.sh
trap 'stop_wine_services; stop_private_x' EXIT
start_private_x
ensure_wine_prefix test
start_wine_services

# Wine finds the programs by their Windows paths.
cp build/win64/bench/bare_window.exe "$WINEPREFIX/drive_c/bare.exe"
cp build/win64/app/ternwick.exe "$WINEPREFIX/drive_c/gcc.exe"
cp build/win64-clang/app/ternwick.exe "$WINEPREFIX/drive_c/clang.exe"
# A first start of each brings its files into the caches.
wine build/win64/bench/startup_timer.exe 1 'C:\bare.exe' 'C:\gcc.exe' 'C:\clang.exe' >/dev/null
echo "start-up, $ROUNDS starts each:"
wine build/win64/bench/startup_timer.exe "$ROUNDS" 'C:\bare.exe' 'C:\gcc.exe' 'C:\clang.exe'
