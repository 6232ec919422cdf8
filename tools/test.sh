#!/usr/bin/env bash
# Builds Ternwick and runs every test: the engine and the scripts natively,
# the engine once more with the address and undefined-behaviour sanitizers,
# then the engine, window, end-to-end and release-archive tests as Windows
# programs under Wine, once as built by mingw-w64 GCC and once as built by
# clang (the tests labelled "once" run for GCC's build only).
# Wine runs on a private headless X server, never on the user's desktop.
# The Windows tests run one at a time on that one desktop, so the builds
# that are not needed first run beside them: the test prefixes are made
# while GCC compiles; while GCC's programs are tested clang builds and the
# native engine is built and tested; while clang's programs are tested the
# sanitized engine is.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh test
. tools/cmake-build.sh
mkdir -p build

cmake --preset win64 >/dev/null
TEST_HOME=$(cmake -N -L build/win64 2>/dev/null | sed -n 's/^TERNWICK_WINE_TEST_HOME:PATH=//p')
SESSION_LOG=build/test-session.log
bash tools/test-session.sh up "$TEST_HOME" >"$SESSION_LOG" 2>&1 &
SESSION_PID=$!
CLANG_PID=""
NATIVE_PID=""
SANITIZED_PID=""
trap 'wait $SESSION_PID $CLANG_PID $NATIVE_PID $SANITIZED_PID 2>/dev/null || true
      bash tools/test-session.sh down "$TEST_HOME"' EXIT

# Names each phase with the seconds spent so far.
phase() { echo "== $* (at ${SECONDS} s)"; }

# A build beside the Wine tests yields the processors to them: the tests
# run one after another and wait for nothing else, the builds have time.
background() { renice -n 19 "$BASHPID" >/dev/null; }

# Waits for a job started in the background; shows its log if it failed.
wait_for() {
  local pid=$1 log=$2
  wait "$pid" && return 0
  cat "$log" >&2
  exit 1
}

phase "win64: build, package"
configure_and_build win64 all package
wait_for "$SESSION_PID" "$SESSION_LOG"

phase "win64-clang and native: build (logs: build/win64-clang.log, build/native.log)"
CLANG_LOG=build/win64-clang.log
NATIVE_LOG=build/native.log
(background; configure_and_build win64-clang all package) >"$CLANG_LOG" 2>&1 &
CLANG_PID=$!
(background; configure_and_build native engine_tests && ctest --preset native -j "$(nproc)") \
  >"$NATIVE_LOG" 2>&1 &
NATIVE_PID=$!

phase "win64: test under Wine"
ctest --preset win64 -j "$(nproc)"
phase "native: results"
wait_for "$NATIVE_PID" "$NATIVE_LOG"
sed -n '/tests passed/,$p' "$NATIVE_LOG"
wait_for "$CLANG_PID" "$CLANG_LOG"

# The clang build is done and the Wine tests run one at a time: a
# processor is free for the engine built with the sanitizers.
phase "native, sanitized: build, test (log: build/native-sanitize.log)"
SANITIZED_LOG=build/native-sanitize.log
(background; configure_and_build native-sanitize engine_tests && ctest --preset native-sanitize) \
  >"$SANITIZED_LOG" 2>&1 &
SANITIZED_PID=$!
phase "win64-clang: test under Wine"
ctest --preset win64-clang -j "$(nproc)"
phase "native, sanitized: results"
wait_for "$SANITIZED_PID" "$SANITIZED_LOG"
sed -n '/tests passed/,$p' "$SANITIZED_LOG"
phase "done"
