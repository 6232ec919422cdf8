#!/usr/bin/env bash
# Builds Ternwick and runs every test: the engine and the scripts natively,
# then the engine, window, end-to-end and release-archive tests as Windows
# programs under Wine, once as built by mingw-w64 GCC and once as built by
# clang (the desktop install test, which checks the scripts, runs once).
# Wine runs on a private headless X server, never on the user's desktop;
# the test prefix is made while the compilers run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh test
. tools/cmake-build.sh
WINDOWS_PRESETS=(win64 win64-clang)
mkdir -p build

cmake --preset win64 >/dev/null
TEST_HOME=$(cmake -N -L build/win64 2>/dev/null | sed -n 's/^TERNWICK_WINE_TEST_HOME:PATH=//p')
SESSION_LOG=build/test-session.log
bash tools/test-session.sh up "$TEST_HOME" --hold >"$SESSION_LOG" 2>&1 &
SESSION_PID=$!
trap 'wait "$SESSION_PID" 2>/dev/null; bash tools/test-session.sh down "$TEST_HOME" --hold' EXIT

echo "== native: build, test"
configure_and_build native engine_tests
ctest --preset native -j "$(nproc)"

for preset in "${WINDOWS_PRESETS[@]}"; do
  echo "== $preset: build, package"
  configure_and_build "$preset" all package
done

if ! wait "$SESSION_PID"; then
  cat "$SESSION_LOG" >&2
  exit 1
fi
for preset in "${WINDOWS_PRESETS[@]}"; do
  echo "== $preset: test under Wine"
  ctest --preset "$preset" -j "$(nproc)"
done
